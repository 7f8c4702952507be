#include "quitsignals.h"

#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
std::array<int, 2> pipeEnds{};

extern "C" void onQuitSignal(int)
{
    const char byte = 'q';
    [[maybe_unused]] const auto written = ::write(pipeEnds[0], &byte, sizeof byte);
}
} // namespace

QuitSignals::QuitSignals(QObject* parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pipeEnds.data()) != 0)
        return;
    notifier = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &QuitSignals::readSignal);

    struct sigaction action {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
    // A display that dies while it is written to would end the game unsaved;
    // ignored, the write fails and Qt's own end of a broken display follows.
    ::signal(SIGPIPE, SIG_IGN);
}

void QuitSignals::readSignal()
{
    char byte = 0;
    [[maybe_unused]] const auto got = ::read(pipeEnds[1], &byte, sizeof byte);
    emit received();
}
