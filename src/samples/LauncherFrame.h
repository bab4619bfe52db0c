#pragma once

#include "TFrame.h"
#include "THeaderPanel.h"

namespace velorin::samples {

// A page that shows only its header "Veri Dışarı".
class TFmeLauncher : public widgets::TFrame
{
    Q_OBJECT
public:
    explicit TFmeLauncher(QWidget* parent = nullptr);

private:
    widgets::THeaderPanel* pnlHeader;
};

} // namespace velorin::samples
