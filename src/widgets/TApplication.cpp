#include "TApplication.h"

#include "Exception.h"

#include <QMessageBox>
#include <exception>

namespace velorin::widgets {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    m_errorHandler = [](const QString& message) {
        QMessageBox box(QMessageBox::Critical, applicationDisplayName(), message, QMessageBox::Ok);
        box.exec();
    };
}

TApplication* TApplication::instance()
{
    return qobject_cast<TApplication*>(QCoreApplication::instance());
}

void TApplication::setErrorHandler(ErrorHandler handler)
{
    m_errorHandler = std::move(handler);
}

void TApplication::showError(const QString& message) const
{
    if (m_errorHandler)
        m_errorHandler(message);
}

void TApplication::guarded(const std::function<void()>& fn) const
{
    try {
        fn();
    } catch (const velorin::Exception& e) {
        showError(e.message());
    } catch (const std::exception& e) {
        showError(QString::fromLocal8Bit(e.what()));
    }
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    bool result = false;
    guarded([&] { result = QApplication::notify(receiver, event); });
    return result;
}

} // namespace velorin::widgets
