#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal. The handler only writes a
// byte to a socket pair; the event loop reads it, so no Qt code runs inside the
// signal handler. SIGPIPE is ignored.
class QuitSignals : public QObject
{
    Q_OBJECT
public:
    explicit QuitSignals(QObject* parent = nullptr);

signals:
    void received();

private:
    void readSignal();
    QSocketNotifier* notifier = nullptr;
};
