#pragma once

#include "PageRegistry.h"

namespace velorin::app {

// The one place that tells the main window which class makes each page.
void registerPages(shell::PageRegistry& registry);

} // namespace velorin::app
