#pragma once

#include <QDialog>
#include <QRect>
#include <QString>
#include <QWidget>
#include <utility>

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

// A window without a cancel button: Esc does nothing there, as no button stands
// for it; the close box (where there is one) still closes the window.
class NoCancelDialog : public QDialog
{
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
