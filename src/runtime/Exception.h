#pragma once

#include <QString>
#include <exception>

namespace velorin {

// Base of every error that reaches the user: it carries the message the user sees.
// The application object catches these around every event and shows the message.
class Exception : public std::exception
{
public:
    explicit Exception(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

} // namespace velorin
