#pragma once

#include <QStringList>

namespace velorin::app {

class StartupServices;

// The program's start: the single-instance guard, the application object, the main window,
// the "/tray" switch and the event loop.
class Startup
{
public:
    // Whether the arguments (without the program name) ask for a hidden main window: the
    // first argument alone, lower-cased, compared whole with "/tray".
    static bool isTraySwitch(const QStringList& arguments);

    static int run(int argc, char** argv, StartupServices& services);
};

} // namespace velorin::app
