#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <functional>

// Acts on the modal window once it runs its own event loop. A failed check
// leaves the window open, so it is closed here and the test can go on.
template <typename Window> void whenShown(std::function<void(Window&)> action)
{
    QTimer::singleShot(0, [action] {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        auto* window = qobject_cast<Window*>(modal.data());
        if (window)
            action(*window);
        if (modal && modal->isVisible())
            modal->close();
        QVERIFY2(window, "the expected window did not open");
    });
}
