#pragma once

// The start-up benchmark's hook, built into the test harness and the bare
// window alike, so that both end at the same moment and count libraries the
// same way.

#include <QEvent>
#include <QFile>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

/* the shared libraries this process has mapped */
inline int mappedLibraries()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return -1;
    QSet<QByteArray> libraries;
    for (const QByteArray& line : maps.readAll().split('\n'))
        if (line.contains(".so"))
            libraries.insert(line.mid(line.indexOf('/')));
    return int(libraries.size());
}

// Installed on the application: ends the process once a frame of the window
// named "mainform" has been painted, printing "first frame libraries=N".
class FirstFrame : public QObject
{
protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(object);
        if (event->type() == QEvent::Paint && widget &&
            widget->window()->objectName() == QLatin1String("mainform"))
            QTimer::singleShot(0, [] {
                std::printf("first frame libraries=%d\n", mappedLibraries());
                std::fflush(stdout);
                std::_Exit(0);
            });
        return false;
    }
};
