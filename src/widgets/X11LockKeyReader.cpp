// The X11 headers define names such as KeyPress that clash with Qt's, so they stay here alone.
#include "LockKeyReader.h"

#include <QGuiApplication>

#if VELORIN_HAVE_X11
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#endif

namespace velorin::widgets {
namespace {

class X11LockKeyReader : public LockKeyReader
{
public:
    LockKeys read() const override
    {
        LockKeys keys;
#if VELORIN_HAVE_X11
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            return keys;
        auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        Display* display = x11 ? x11->display() : nullptr;
        unsigned int state = 0;
        if (display && XkbGetIndicatorState(display, XkbUseCoreKbd, &state) == Success) {
            keys.caps = state & 1u;
            keys.num = state & 2u;
            keys.scroll = state & 4u;
        }
#endif
        return keys;
    }
};

} // namespace

std::shared_ptr<LockKeyReader> LockKeyReader::system()
{
    return std::make_shared<X11LockKeyReader>();
}

} // namespace velorin::widgets
