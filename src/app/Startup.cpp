#include "Startup.h"

#include "BroadcastListener.h"
#include "InstanceMarker.h"
#include "MainForm.h"
#include "Pages.h"
#include "StartupServices.h"
#include "TApplication.h"

namespace velorin::app {

bool Startup::isTraySwitch(const QStringList& arguments)
{
    const QString first = arguments.isEmpty() ? QString() : arguments.first();
    return first.toLower() == QLatin1String("/tray");
}

int Startup::run(int argc, char** argv, StartupServices& services)
{
    const InstanceMarker marker(QStringLiteral("Kavrolin"));
    if (marker.alreadyExists()) {
        // A message box needs an application object even on this path; it is a plain one,
        // and no window of the program is made.
        QApplication box(argc, argv);
        services.showMessage(QStringLiteral("Yazılım şu anda aktif ve çalışıyor"),
                             QStringLiteral("Morvantek"));
        services.broadcast(QStringLiteral("Morvantek Grup "), 0, 0);
        return 0;
    }

    widgets::TApplication application(argc, argv);
    application.setTitle(QStringLiteral("Velorin Espanol English Dictionary"));
    BroadcastListener listener;
    QObject::connect(&listener, &BroadcastListener::received, &application,
                     [&services](const QString& message, int wParam, int lParam) {
                         services.broadcastReceived(message, wParam, lParam);
                     });
    shell::PageRegistry pages;
    registerPages(pages);
    shell::TfrmMain frmMain(pages);
    const QStringList arguments = application.arguments().mid(1);
    if (!isTraySwitch(arguments))
        frmMain.show();
    services.started();
    application.exec();
    return 0;
}

} // namespace velorin::app
