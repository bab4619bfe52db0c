#pragma once

#include <QApplication>
#include <functional>
#include <memory>
#include <typeindex>
#include <unordered_map>

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

    // Platform services (link opener, mail service, lock-key reader, clock, ...), each an
    // interface of its own. A component asks for its service here and falls back to its
    // default implementation when none is set; tests set fakes.
    template <class Service> void setService(std::shared_ptr<Service> service)
    {
        m_services[std::type_index(typeid(Service))] = std::move(service);
    }
    template <class Service> std::shared_ptr<Service> service() const
    {
        const auto it = m_services.find(std::type_index(typeid(Service)));
        return it == m_services.end() ? nullptr : std::static_pointer_cast<Service>(it->second);
    }
    // The service set on the application object, or `fallback` when there is none (or no
    // application object of this class, as in tests of plain classes).
    template <class Service> static std::shared_ptr<Service> serviceOr(std::shared_ptr<Service> fallback)
    {
        const TApplication* app = instance();
        std::shared_ptr<Service> s = app ? app->service<Service>() : nullptr;
        return s ? s : std::move(fallback);
    }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    ErrorHandler m_errorHandler;
    std::unordered_map<std::type_index, std::shared_ptr<void>> m_services;
};

} // namespace velorin::widgets
