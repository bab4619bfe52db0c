#include "StartupServices.h"

#include "InstanceMarker.h"

#include <QLocalSocket>
#include <QMessageBox>

namespace velorin::app {

void StartupServices::showMessage(const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok);
    box.exec();
}

QString StartupServices::broadcastAddress()
{
    return InstanceMarker::markerPath(QStringLiteral("velorin-broadcast"));
}

void StartupServices::broadcast(const QString& message, int wParam, int lParam)
{
    QLocalSocket socket;
    socket.connectToServer(broadcastAddress(), QIODevice::WriteOnly);
    if (!socket.waitForConnected(1000))
        return;
    socket.write(QStringLiteral("%1\n%2\n%3\n").arg(message).arg(wParam).arg(lParam).toUtf8());
    socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(1000);
}

void StartupServices::broadcastReceived(const QString&, int, int) {}

} // namespace velorin::app
