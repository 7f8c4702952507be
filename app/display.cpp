#include "display.h"

#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {
// Qt's messages while it looks for a display. A message handler is a plain
// function, so they wait here; Qt gives up with abort() and advice to
// reinstall, and the player learns instead what the game looked for.
QStringList heldMessages;

QString described(const char* variable)
{
    const QByteArray value = qgetenv(variable);
    return QString::fromLatin1(variable) +
           (value.isEmpty() ? QStringLiteral(" unset")
                            : QStringLiteral("=\"%1\"").arg(QString::fromLocal8Bit(value)));
}

void holdOrExplain(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        heldMessages.append(qFormatLogMessage(type, context, message));
        return;
    }
    QStringList looked{described("DISPLAY"), described("WAYLAND_DISPLAY")};
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        looked.append(described("QT_QPA_PLATFORM"));
    std::fprintf(stderr,
                 "morvick: no display could be opened; the game needs a graphical session (%s)\n",
                 qPrintable(looked.join(QStringLiteral(", "))));
    std::_Exit(noDisplayStatus);
}
} // namespace

std::unique_ptr<QApplication> openDisplay(int& argc, char** argv)
{
    const QtMessageHandler previous = qInstallMessageHandler(holdOrExplain);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const QString& message : std::exchange(heldMessages, {}))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    return app;
}
