#pragma once

#include <QString>
#include <stdexcept>

namespace velorin::tools {

// A failure of a velorin-db command; its message is printed and the tool exits non-zero.
class ToolError : public std::runtime_error
{
public:
    explicit ToolError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace velorin::tools
