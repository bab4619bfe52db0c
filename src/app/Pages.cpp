#include "Pages.h"

namespace velorin::app {

void registerPages(shell::PageRegistry& registry)
{
    Q_UNUSED(registry);
}

} // namespace velorin::app
