#pragma once

#include <QString>

namespace velorin::app {

// The platform services start-up uses; tests replace them to watch the second-instance path.
class StartupServices
{
public:
    virtual ~StartupServices() = default;
    // An information message box with one OK button and no owner; blocks until closed.
    virtual void showMessage(const QString& text, const QString& caption);
    // Sends the named message with its two parameters to the running instances.
    virtual void broadcast(const QString& message, int wParam, int lParam);
    // Called once the first instance's main window exists, right before the event loop.
    virtual void started() {}
    // A broadcast of a later start reached this instance. Nothing reacts to it.
    virtual void broadcastReceived(const QString& message, int wParam, int lParam);

    // Where running instances listen for broadcasts.
    static QString broadcastAddress();
};

} // namespace velorin::app
