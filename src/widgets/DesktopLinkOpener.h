#pragma once

#include "LinkOpener.h"

namespace velorin::widgets {

// The link opener of the desktop: QDesktopServices, which starts the handler directly,
// never through a shell.
class DesktopLinkOpener : public LinkOpener
{
public:
    bool open(const QString& target) override;
};

} // namespace velorin::widgets
