#include "Pages.h"

#include "ButtonsFrame.h"
#include "ComboBoxesFrame.h"
#include "CommonControlsFrame.h"
#include "CustomFramingFrame.h"
#include "DisplayFrame.h"
#include "EditsFrame.h"
#include "LauncherFrame.h"
#include "ListBoxesFrame.h"
#include "ReservationFrame.h"
#include "SendMessageFrame.h"
#include "ShellFrame.h"
#include "TabsFrame.h"
#include "WidgetForm.h"

#include <memory>

namespace velorin::app {

void registerPages(shell::PageRegistry& registry)
{
    registry.addPage(QStringLiteral("TFmeReservations"),
                     [] { return std::make_unique<finance::TFmeReservations>(); });
    registry.addPage(QStringLiteral("TFmeCustomFraming"),
                     [] { return std::make_unique<dictionary::TFmeCustomFraming>(); });
    registry.addPage(QStringLiteral("TFmeEdits"), [] { return std::make_unique<dictionary::TFmeEdits>(); });
    registry.addPage(QStringLiteral("TFmeComboBoxes"),
                     [] { return std::make_unique<dictionary::TFmeComboBoxes>(); });
    registry.addPage(QStringLiteral("TFmeTabs"), [] { return std::make_unique<clinic::TFmeTabs>(); });
    // Sample pages and the widgets window.
    registry.addPage("TFmeCommonControls", [] { return std::make_unique<samples::TFmeCommonControls>(); });
    registry.addPage("TFmeListBoxes", [] { return std::make_unique<samples::TFmeListBoxes>(); });
    registry.addPage("TFmeButtons", [] { return std::make_unique<samples::TFmeButtons>(); });
    registry.addPage("TFmeShell", [] { return std::make_unique<samples::TFmeShell>(); });
    registry.addPage("TFmeLauncher", [] { return std::make_unique<samples::TFmeLauncher>(); });
    registry.addPage("TFmeDisplay", [] { return std::make_unique<samples::TFmeDisplay>(); });
    registry.addPage("TFmeSendMessages", [] { return std::make_unique<samples::TFmeSendMessages>(); });
    registry.setWidgetFormFactory(
        [](widgets::WidgetFormHost& host) { return std::make_unique<samples::TFrmWidgets>(host); });
}

} // namespace velorin::app
