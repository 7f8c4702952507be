#include "controls.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

QLabel* placeLabel(QWidget* parent, const QString& name, const QRect& rect, const QString& text)
{
    auto* label = placeControl<QLabel>(parent, name, rect);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

GameDialog::GameDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags) {}

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
