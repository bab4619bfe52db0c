#include "BroadcastListener.h"

#include "StartupServices.h"

#include <QLocalSocket>
#include <memory>

namespace velorin::app {

BroadcastListener::BroadcastListener(QObject* parent) : QObject(parent)
{
    // The marker guarantees one first instance, so a leftover socket file is stale.
    QLocalServer::removeServer(StartupServices::broadcastAddress());
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(StartupServices::broadcastAddress());
    connect(&m_server, &QLocalServer::newConnection, this, &BroadcastListener::accept);
}

void BroadcastListener::accept()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // Each message is three lines: its name and its two parameters.
        auto pending = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, pending] {
            *pending += socket->readAll();
            while (pending->count('\n') >= 3) {
                const QList<QByteArray> lines = pending->split('\n');
                pending->remove(0, lines[0].size() + lines[1].size() + lines[2].size() + 3);
                Q_EMIT received(QString::fromUtf8(lines[0]), lines[1].toInt(), lines[2].toInt());
            }
        });
    }
}

} // namespace velorin::app
