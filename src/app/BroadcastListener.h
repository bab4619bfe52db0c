#pragma once

#include <QLocalServer>
#include <QObject>

namespace velorin::app {

// Receives the broadcasts of later starts. Nothing reacts to them: each message is read
// and let pass.
class BroadcastListener : public QObject
{
    Q_OBJECT
public:
    explicit BroadcastListener(QObject* parent = nullptr);

Q_SIGNALS:
    void received(const QString& message, int wParam, int lParam);

private:
    void accept();
    QLocalServer m_server;
};

} // namespace velorin::app
