#include "Pages.h"

#include "ReservationFrame.h"

#include <memory>
#include "ComboBoxesFrame.h"
#include "CustomFramingFrame.h"
#include "EditsFrame.h"

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
}

} // namespace velorin::app
