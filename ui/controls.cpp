#include "controls.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIconEngine>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>

QFont gothicFont(double pointSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
                      QStringLiteral("VL PGothic"), QStringLiteral("Noto Sans CJK JP"),
                      QStringLiteral("TakaoPGothic")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void useGothicFont()
{
    QApplication::setFont(gothicFont(9, false));
}

QLabel* placeLabel(QWidget* parent, const QString& name, const QRect& rect, const QString& text)
{
    auto* label = placeControl<QLabel>(parent, name, rect);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setText(text);
    return label;
}

QLabel* placeColouredLabel(QWidget* parent, const QString& name, const QRect& rect,
                           const QColor& background, const QColor& ink, const QString& text)
{
    QLabel* label = placeLabel(parent, name, rect, text);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, ink);
    label->setPalette(palette);
    return label;
}

namespace {
QString pictureFile(const QString& name, bool twice)
{
    return QStringLiteral(":/pictures/%1%2.png")
        .arg(name, twice ? QStringLiteral("@2x") : QString());
}

// Draws one of the game's 32 x 32 pictures at whatever ratio it is asked for;
// QIcon's own engine would decode every size of a file as soon as it is added.
class PictureEngine : public QIconEngine
{
public:
    static constexpr QSize iconSize{32, 32};

    explicit PictureEngine(const Picture& shown) : picture(shown) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }
    QPixmap scaledPixmap(const QSize&, QIcon::Mode, QIcon::State, qreal scale) override
    {
        return picturePixmap(picture.name, scale);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        painter->drawPixmap(rect,
                            picturePixmap(picture.name, painter->device()->devicePixelRatioF()));
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return iconSize.boundedTo(size);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {iconSize, iconSize * 2};
    }
    QIconEngine* clone() const override { return new PictureEngine(picture); }

private:
    const Picture picture;
};
} // namespace

Picture resourcePicture(const QString& name)
{
    return {name};
}

QPixmap picturePixmap(const QString& name, qreal ratio)
{
    const bool twice = ratio > 1.0;
    const QString file = pictureFile(name, twice);
    QPixmap pixmap;
    if (!QPixmapCache::find(file, &pixmap)) {
        pixmap.load(file);
        pixmap.setDevicePixelRatio(twice ? 2.0 : 1.0);
        QPixmapCache::insert(file, pixmap);
    }
    return pixmap;
}

QIcon resourceIcon(const QString& name)
{
    return QIcon(new PictureEngine(resourcePicture(name)));
}

ImageControl::ImageControl(const QString& name, const QRect& rect, Fit fit, QWidget* parent)
    : QWidget(parent), stretch(fit == Fit::Stretched)
{
    setObjectName(name);
    setGeometry(rect);
    setMouseTracking(true);
}

void ImageControl::setPicture(const Picture& picture)
{
    shown = picture;
    update();
}

void ImageControl::setBackground(const QColor& colour)
{
    background = colour;
    update();
}

void ImageControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (background.isValid())
        painter.fillRect(rect(), background);
    if (shown.name.isEmpty())
        return;
    // The device's ratio, not the widget's: a grab into a high-DPI pixmap gets the @2x picture.
    const QPixmap pixmap = picturePixmap(shown.name, painter.device()->devicePixelRatioF());
    if (stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), pixmap);
        return;
    }
    painter.drawPixmap(QPoint(0, 0), pixmap);
}

void ImageControl::mousePressEvent(QMouseEvent* event)
{
    pressed = event->button() == Qt::LeftButton;
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed = false;
    if (click)
        emit clicked();
}

// A double click is one click followed by a double click, not two clicks.
void ImageControl::mouseDoubleClickEvent(QMouseEvent*)
{
    pressed = false;
}

// Mouse events arrive accepted: taken here, a move never reaches the scene behind.
void ImageControl::mouseMoveEvent(QMouseEvent*) {}

ImageControl* placeImage(QWidget* parent, const QString& name, const QRect& rect,
                         const QString& picture, Fit fit)
{
    auto* image = new ImageControl(name, rect, fit, parent);
    image->setPicture(resourcePicture(picture));
    return image;
}

std::array<QRadioButton*, 3> placePotPicker(QWidget* parent, const QRect& frameRect,
                                            const QColor& potBackground)
{
    //: Frame of the choice of a pot
    const QString title = QCoreApplication::translate("PotPicker", "つぼの形");
    auto* frame = placeControl<QGroupBox>(parent, QStringLiteral("Frame3"), frameRect, title);
    // What each option stands for, as a screen reader reads it.
    const QString names[] = {
        //: The option under the first pot, a brown clay pot, as a screen reader names it
        QCoreApplication::translate("PotPicker", "茶色の素焼きのつぼ"),
        //: The option under the second pot, dark teal with a light-blue lace band
        QCoreApplication::translate("PotPicker", "青緑のレース模様のつぼ"),
        //: The option under the third pot, plain yellow with rounded corners
        QCoreApplication::translate("PotPicker", "黄色いつぼ")};
    std::array<QRadioButton*, 3> options{};
    for (int i = 0; i < 3; ++i) {
        ImageControl* pot = placeImage(frame, QStringLiteral("Image%1").arg(3 + i),
                                       twipRect(120 + 960 * i, 240, 945, 600),
                                       QStringLiteral("tubo%1").arg(i + 1), Fit::Stretched);
        pot->setBackground(potBackground);
        options[i] = placeControl<QRadioButton>(frame, QStringLiteral("sshape2(%1)").arg(i),
                                                twipRect(480 + 960 * i, 960, 255, 255));
        options[i]->setAccessibleName(names[i]);
    }
    options[0]->setChecked(true);
    return options;
}

GameDialog::GameDialog(QWidget* parent, const QString& name, QSize twipSize,
                       Qt::WindowFlags windowFlags)
    : QDialog(parent, windowFlags)
{
    // Modal to the game alone: the help stays free to read beside it.
    setWindowModality(Qt::WindowModal);
    setObjectName(name);
    setFixedSize(px(twipSize.width()), px(twipSize.height()));
}

void GameDialog::setCancelButton(QPushButton* button)
{
    cancelButton = button;
}

namespace {
bool canPress(const QPushButton* button)
{
    return button && button->isVisible() && button->isEnabled();
}

QPushButton* defaultButtonOf(const QWidget& window)
{
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->isDefault() && button->isVisible())
            return button;
    return nullptr;
}
} // namespace

void GameDialog::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        if (canPress(cancelButton))
            cancelButton->click();
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        QPushButton* const target = focused ? focused : defaultButtonOf(*this);
        if (canPress(target))
            target->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

namespace {
QMargins frameMargins(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

QRect keptInside(QRect rect, const QRect& area)
{
    rect.moveRight(std::min(rect.right(), area.right()));
    rect.moveBottom(std::min(rect.bottom(), area.bottom()));
    rect.moveLeft(std::max(rect.left(), area.left()));
    rect.moveTop(std::max(rect.top(), area.top()));
    return rect;
}
} // namespace

void placeOnScreen(QWidget& window, QPoint topLeft, const QWidget& reference)
{
    const QMargins frame = window.isVisible() ? frameMargins(window) : frameMargins(reference);
    // A window that nobody sized yet (a Qt dialog) opens at its preferred size.
    QSize inner = window.testAttribute(Qt::WA_Resized) ? window.size() : window.sizeHint();
    const QScreen* screen =
        QGuiApplication::screenAt(QRect(topLeft, inner.grownBy(frame)).center());
    if (!screen)
        screen = reference.screen();
    if (!screen) {
        window.move(topLeft);
        return;
    }
    // Larger than the screen, it shrinks as far as it lets itself.
    const QRect area = screen->availableGeometry();
    const QSize room = area.size().shrunkBy(frame);
    if (inner.width() > room.width() || inner.height() > room.height()) {
        inner = inner.boundedTo(room)
                    .expandedTo(window.minimumSizeHint())
                    .expandedTo(window.minimumSize())
                    .boundedTo(window.maximumSize());
        window.resize(inner);
    }
    window.move(keptInside(QRect(topLeft, inner.grownBy(frame)), area).topLeft());
}

void placeOverCentre(QWidget& window, const QWidget& reference)
{
    const QSize inner = window.testAttribute(Qt::WA_Resized) ? window.size() : window.sizeHint();
    const QSize outer = inner + reference.frameGeometry().size() - reference.size();
    const QPoint centre = reference.frameGeometry().center();
    placeOnScreen(window, centre - QPoint(outer.width() / 2, outer.height() / 2), reference);
}

void centreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    window.adjustSize();
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}
