// Runs the program's start-up with the message box replaced by a line on standard output,
// the broadcast real and reported, and the main window's visibility reported once it runs.
#include "Startup.h"
#include "StartupServices.h"

#include <QApplication>
#include <QWidget>
#include <cstdio>

namespace {

void say(const QString& line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

class ReportingServices : public velorin::app::StartupServices
{
public:
    void showMessage(const QString& text, const QString& caption) override
    {
        say(QStringLiteral("message|%1|%2").arg(text, caption));
    }
    void broadcast(const QString& message, int wParam, int lParam) override
    {
        say(QStringLiteral("broadcast|%1|%2|%3").arg(message).arg(wParam).arg(lParam));
        StartupServices::broadcast(message, wParam, lParam);
    }
    void started() override
    {
        int visible = 0;
        for (const QWidget* w : QApplication::topLevelWidgets())
            visible += w->isVisible() ? 1 : 0;
        say(QStringLiteral("started|visible=%1").arg(visible));
    }
    void broadcastReceived(const QString& message, int wParam, int lParam) override
    {
        say(QStringLiteral("received|%1|%2|%3").arg(message).arg(wParam).arg(lParam));
    }
};

} // namespace

int main(int argc, char** argv)
{
    ReportingServices services;
    const int code = velorin::app::Startup::run(argc, argv, services);
    say(QStringLiteral("exit|%1").arg(code));
    return code;
}
