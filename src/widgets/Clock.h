#pragma once

#include <QDateTime>

namespace velorin::widgets {

// Where clocks read the time; tests set a fake one on the application object.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const { return QDateTime::currentDateTime(); }
};

} // namespace velorin::widgets
