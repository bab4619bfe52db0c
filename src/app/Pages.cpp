#include "Pages.h"

#include "ReservationFrame.h"

#include <memory>

namespace velorin::app {

void registerPages(shell::PageRegistry& registry)
{
    registry.addPage(QStringLiteral("TFmeReservations"),
                     [] { return std::make_unique<finance::TFmeReservations>(); });
}

} // namespace velorin::app
