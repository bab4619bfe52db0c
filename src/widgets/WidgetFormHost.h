#pragma once

namespace velorin::widgets {

// What the widgets window knows of the window that opened it: it is told when the
// widgets window closes, so it can forget its single instance.
class WidgetFormHost
{
public:
    virtual ~WidgetFormHost() = default;
    virtual void WidgetFormClosed() = 0;
};

} // namespace velorin::widgets
