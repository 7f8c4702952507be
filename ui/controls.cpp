#include "controls.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

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

QIcon resourceIcon(const QString& name)
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/pictures/%1.png").arg(name));
    icon.addFile(QStringLiteral(":/pictures/%1@2x.png").arg(name));
    return icon;
}

Picture resourcePicture(const QString& name)
{
    const QIcon icon = resourceIcon(name);
    // The @2x twin is listed too; the natural size is the smaller one.
    QSize natural;
    for (const QSize& size : icon.availableSizes())
        if (!natural.isValid() || size.width() < natural.width())
            natural = size;
    return {name, icon, natural};
}

ImageControl::ImageControl(const QString& name, const QRect& rect, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(name);
    setGeometry(rect);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
}

void ImageControl::setPicture(const Picture& picture)
{
    shown = picture;
    update();
}

void ImageControl::setStretch(bool on)
{
    stretch = on;
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
    if (shown.icon.isNull())
        return;
    // The device's ratio, not the widget's: a grab into a high-DPI pixmap gets the @2x picture.
    const QPixmap pixmap = shown.icon.pixmap(shown.size, painter.device()->devicePixelRatioF());
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
    event->accept();
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

// A double click is one click followed by a double click, not two clicks.
void ImageControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    pressed = false;
    event->accept();
}

void ImageControl::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
}

ImageControl* placeImage(QWidget* parent, const QString& name, const QRect& rect,
                         const QString& picture, Fit fit)
{
    auto* image = new ImageControl(name, rect, parent);
    image->setPicture(resourcePicture(picture));
    image->setStretch(fit == Fit::Stretched);
    return image;
}

std::array<QRadioButton*, 3> placePotPicker(QWidget* parent, const QRect& frameRect,
                                            const QColor& potBackground)
{
    auto* frame = placeControl<QGroupBox>(parent, QStringLiteral("Frame3"), frameRect,
                                          QStringLiteral("つぼの形"));
    std::array<QRadioButton*, 3> options{};
    for (int i = 0; i < 3; ++i) {
        ImageControl* pot = placeImage(frame, QStringLiteral("Image%1").arg(3 + i),
                                       twipRect(120 + 960 * i, 240, 945, 600),
                                       QStringLiteral("tubo%1").arg(i + 1), Fit::Stretched);
        pot->setBackground(potBackground);
        options[i] = placeControl<QRadioButton>(frame, QStringLiteral("sshape2(%1)").arg(i),
                                                twipRect(480 + 960 * i, 960, 255, 255));
    }
    options[0]->setChecked(true);
    return options;
}

GameDialog::GameDialog(QWidget* parent, const QString& name, QSize twipSize,
                       Qt::WindowFlags windowFlags)
    : QDialog(parent, windowFlags)
{
    setObjectName(name);
    setWindowTitle(QString());
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
        event->accept();
        if (canPress(cancelButton))
            cancelButton->click();
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        event->accept();
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
    if (rect.right() > area.right())
        rect.moveRight(area.right());
    if (rect.bottom() > area.bottom())
        rect.moveBottom(area.bottom());
    if (rect.left() < area.left())
        rect.moveLeft(area.left());
    if (rect.top() < area.top())
        rect.moveTop(area.top());
    return rect;
}
} // namespace

void placeOnScreen(QWidget& window, QPoint topLeft, const QWidget& reference)
{
    const QMargins frame = window.isVisible() ? frameMargins(window) : frameMargins(reference);
    // A window that nobody sized yet (a Qt dialog) opens at its preferred size.
    const QSize inner = window.testAttribute(Qt::WA_Resized) ? window.size() : window.sizeHint();
    const QRect outer(topLeft, inner.grownBy(frame));
    const QScreen* screen = QGuiApplication::screenAt(outer.center());
    if (!screen)
        screen = reference.screen();
    window.move(screen ? keptInside(outer, screen->availableGeometry()).topLeft() : topLeft);
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
