#pragma once

// How the game's windows make their controls: places given in twips, labels
// that show text as it is, the game's pictures, and the small windows' keys.

#include <QDialog>
#include <QIcon>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <array>
#include <cmath>
#include <utility>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// Window layouts are given in twips; 15 twips make one pixel.
constexpr int twipsPerPixel = 15;

constexpr int px(double twips)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

inline QRect twipRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

inline QPoint twipOffset(int dx, int dy)
{
    return {px(dx), px(dy)};
}

// The proportional gothic the game's texts are set in, with the free IPA font
// and other Japanese gothics standing in where it is missing.
QFont gothicFont(double pointSize, bool bold);

// The small windows' texts are set in the gothic at 9 points, as designed.
void useGothicFont();

// Creates a control of a window under its design name at its pixel rectangle;
// args are what the control takes before its parent (a caption, say).
template <typename Control, typename... Args>
Control* placeControl(QWidget* parent, const QString& name, const QRect& rect, Args&&... args)
{
    auto* control = new Control(std::forward<Args>(args)..., parent);
    control->setObjectName(name);
    control->setGeometry(rect);
    return control;
}

// A label that shows its text as it is: a name or a path is never markup.
QLabel* placeLabel(QWidget* parent, const QString& name, const QRect& rect,
                   const QString& text = {});

// A label on a background of its own, whose text colour is then fixed too,
// so no desktop theme can make it unreadable.
QLabel* placeColouredLabel(QWidget* parent, const QString& name, const QRect& rect,
                           const QColor& background, const QColor& ink, const QString& text = {});

// One of the game's pictures, ":/pictures/<name>.png" with its @2x twin for
// high-DPI screens. Nothing is decoded until the picture is first drawn at a
// ratio, and then only once: a start decodes what its first frame shows.
struct Picture {
    QString name;
};
Picture resourcePicture(const QString& name);
/* the picture's pixels for a device pixel ratio, decoded once */
QPixmap picturePixmap(const QString& name, qreal ratio);
/* one of the 32 x 32 pictures as an icon (buttons, windows), decoded only as it is drawn */
QIcon resourceIcon(const QString& name);

enum class Fit { Natural, Stretched };

// An image on a window: shows a picture at its natural size from its top-left
// corner (or stretched over its rectangle), reports clicks, and keeps mouse moves
// to itself so the widget behind it only sees moves over its bare parts.
class ImageControl : public QWidget
{
    Q_OBJECT
public:
    ImageControl(const QString& name, const QRect& rect, Fit fit, QWidget* parent);

    void setPicture(const Picture& picture);
    const Picture& picture() const { return shown; }
    /* an opaque picture: the colour fills the whole rectangle behind it */
    void setBackground(const QColor& colour);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Picture shown;
    const bool stretch;
    bool pressed = false;
    QColor background;
};

ImageControl* placeImage(QWidget* parent, const QString& name, const QRect& rect,
                         const QString& picture, Fit fit = Fit::Natural);

// The frame of three pots with an option under each, as the setup and pot
// windows show it: frame "Frame3", images "Image3".."Image5", options
// "sshape2(0)".."sshape2(2)" with the first chosen. potBackground fills the
// pictures' rectangles where the window shows them opaque.
std::array<QRadioButton*, 3> placePotPicker(QWidget* parent, const QRect& frameRect,
                                            const QColor& potBackground = {});

// The game's small windows: a title bar without text, a close box, a fixed
// size. Esc presses the cancel button, and does nothing in a window without
// one; Enter presses the focused button, or else the window's default button,
// and does nothing when there is neither.
class GameDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint |
                                             Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                             Qt::MSWindowsFixedSizeDialogHint;

    GameDialog(QWidget* parent, const QString& name, QSize twipSize,
               Qt::WindowFlags windowFlags = flags);

protected:
    /* the button Esc stands for while it is visible */
    void setCancelButton(QPushButton* button);
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPointer<QPushButton> cancelButton;
};

// Moves a window's frame to topLeft, then just enough to lie inside the
// available area of its screen (its top-left corner wins when it is larger).
// A window not yet shown has no frame; the reference window's stands in.
void placeOnScreen(QWidget& window, QPoint topLeft, const QWidget& reference);

// Over the middle of the reference window, as a dialog opens, but whole on the screen.
void placeOverCentre(QWidget& window, const QWidget& reference);

// Places a window in the middle of its screen.
void centreOnScreen(QWidget& window);
