#pragma once

#include <QObject>
#include <QString>

// How a second start asks the running game to come to the front: a local socket
// beside the instance lock. Only the same user can ask (the socket is the
// user's alone, and the asker's user is checked), and a request says nothing
// but "come to the front". Plain sockets rather than QLocalServer: Qt Network
// would bring its Kerberos and proxy libraries into every start.
class FrontDoor : public QObject
{
    Q_OBJECT
public:
    /* listens at socketPath, taking over a socket left there by a game that died */
    explicit FrontDoor(const QString& socketPath, QObject* parent = nullptr);
    /* closes the door and takes its socket away */
    ~FrontDoor() override;

signals:
    void comeToFront();

private:
    void admit();
    int listener = -1;
    QByteArray boundPath;
};

// Asks the game listening at socketPath to come to the front, without waiting:
// a game that cannot take the request at once is left as it is.
void askToComeToFront(const QString& socketPath);
