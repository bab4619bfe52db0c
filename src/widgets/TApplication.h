#pragma once

#include <QApplication>
#include <functional>

namespace velorin::widgets {

// The one application object. It catches every exception that an event handler or a
// timer lets escape, hands its message to the error handler and lets the event loop go
// on, so no exception ever crosses Qt's event loop.
class TApplication : public QApplication
{
    Q_OBJECT
public:
    using ErrorHandler = std::function<void(const QString& message)>;

    TApplication(int& argc, char** argv);

    static TApplication* instance();

    // The default handler shows the message in a message box titled with the application
    // title; tests install a recorder.
    void setErrorHandler(ErrorHandler handler);
    void showError(const QString& message) const;

    // Runs fn and reports what it throws, as an event handler's error would be reported.
    void guarded(const std::function<void()>& fn) const;

    void setTitle(const QString& title) { setApplicationDisplayName(title); }
    QString title() const { return applicationDisplayName(); }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    ErrorHandler m_errorHandler;
};

} // namespace velorin::widgets
