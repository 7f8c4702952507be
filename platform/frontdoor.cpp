#include "frontdoor.h"

#include <QFile>
#include <QSocketNotifier>

#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
const QByteArray request = QByteArrayLiteral("front\n");

/* false when the path is too long for a socket's address */
bool addressOf(const QString& path, sockaddr_un& address)
{
    const QByteArray name = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || std::size_t(name.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
    return true;
}

bool isSocket(const sockaddr_un& address)
{
    struct stat info {};
    return ::lstat(address.sun_path, &info) == 0 && S_ISSOCK(info.st_mode);
}

bool sameUser(int connection)
{
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(connection, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == ::getuid();
}

int openSocket()
{
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}
} // namespace

FrontDoor::FrontDoor(const QString& socketPath, QObject* parent) : QObject(parent)
{
    sockaddr_un address;
    if (!addressOf(socketPath, address))
        return;
    // The lock is ours, so a socket in its place is a dead game's; anything else stays.
    if (isSocket(address))
        ::unlink(address.sun_path);
    listener = openSocket();
    const auto* any = reinterpret_cast<const sockaddr*>(&address);
    if (listener < 0 || ::bind(listener, any, sizeof address) != 0 ||
        ::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(listener, 4) != 0) {
        if (listener >= 0)
            ::close(listener);
        listener = -1;
        return;
    }
    boundPath = address.sun_path;
    auto* knocks = new QSocketNotifier(listener, QSocketNotifier::Read, this);
    connect(knocks, &QSocketNotifier::activated, this, &FrontDoor::admit);
}

FrontDoor::~FrontDoor()
{
    if (listener < 0)
        return;
    ::close(listener);
    ::unlink(boundPath.constData());
}

void FrontDoor::admit()
{
    const int connection = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (connection < 0)
        return;
    if (!sameUser(connection)) {
        ::close(connection);
        return;
    }
    // One read of the few bytes the asker sent at once, then the door closes.
    auto* said = new QSocketNotifier(connection, QSocketNotifier::Read, this);
    connect(said, &QSocketNotifier::activated, this, [this, said, connection] {
        QByteArray bytes(request.size(), '\0');
        const auto got = ::read(connection, bytes.data(), std::size_t(bytes.size()));
        said->setEnabled(false);
        said->deleteLater();
        ::close(connection);
        if (got == request.size() && bytes == request)
            emit comeToFront();
    });
}

void askToComeToFront(const QString& socketPath)
{
    sockaddr_un address;
    if (!addressOf(socketPath, address) || !isSocket(address))
        return;
    const int connection = openSocket();
    if (connection < 0)
        return;
    const auto* any = reinterpret_cast<const sockaddr*>(&address);
    if (::connect(connection, any, sizeof address) == 0) {
        [[maybe_unused]] const auto sent =
            ::send(connection, request.constData(), std::size_t(request.size()), MSG_NOSIGNAL);
    }
    ::close(connection);
}
