#include "mediaserver/raiselistener.h"

#include "zrt/kavomediaserver.h"

#include <QLocalServer>
#include <QLocalSocket>

RaiseListener::RaiseListener(QObject *parent)
    : QObject(parent)
    , m_server(new QLocalServer(this))
{
    connect(m_server, &QLocalServer::newConnection, this, &RaiseListener::accept);
}

bool RaiseListener::askRunningInstance(const QByteArray &sharing)
{
    const QString name = Zarnet::KavoMediaServer::raiseSocketName();
    if (name.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(300) || !Zarnet::KavoMediaServer::isOwnPeer(socket))
        return false;
    if (!sharing.isEmpty())
        socket.write("sharing " + sharing + '\n');
    socket.write("raise\n");
    socket.waitForBytesWritten(300);
    socket.disconnectFromServer();
    return true;
}

bool RaiseListener::listen()
{
    const QString name = Zarnet::KavoMediaServer::raiseSocketName();
    if (name.isEmpty())
        return false;
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (m_server->listen(name))
        return true;
    // A socket file left by a media server that died: nobody answers on it.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(300))
        return false;
    QLocalServer::removeServer(name);
    return m_server->listen(name);
}

void RaiseListener::accept()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!Zarnet::KavoMediaServer::isOwnPeer(*socket)) {
            socket->abort();
            continue;
        }
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                const QByteArray line = socket->readLine().trimmed();
                if (line == "sharing on" || line == "sharing off")
                    emit sharingRequested(line == "sharing on");
                else
                    emit raiseRequested();
            }
        });
    }
}
