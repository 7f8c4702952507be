#pragma once

#include <QDialog>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <utility>

class QLabel;
class QPushButton;

// The game's small windows: a title bar without text, a close box, a fixed size.
constexpr Qt::WindowFlags fixedDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint |
                                             Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                             Qt::MSWindowsFixedSizeDialogHint;

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

// The keys of the game's windows: Esc presses the cancel button, and does
// nothing in a window without one; Enter presses the focused button, or else
// the window's default button, and does nothing when there is neither.
class GameDialog : public QDialog
{
    Q_OBJECT
public:
    explicit GameDialog(QWidget* parent, Qt::WindowFlags flags = fixedDialogFlags);

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

// Places a window in the middle of its screen.
void centreOnScreen(QWidget& window);
