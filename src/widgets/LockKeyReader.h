#pragma once

#include <memory>

namespace velorin::widgets {

struct LockKeys
{
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// Reads the toggle state of the lock keys. The system reader asks the X server's keyboard
// indicators; on other platforms (offscreen, Wayland without X) every key reads as off.
class LockKeyReader
{
public:
    virtual ~LockKeyReader() = default;
    virtual LockKeys read() const = 0;

    static std::shared_ptr<LockKeyReader> system();
};

} // namespace velorin::widgets
