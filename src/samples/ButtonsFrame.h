#pragma once

#include "TFrame.h"
#include "THeaderPanel.h"

namespace velorin::samples {

// A page that shows only its header "Kar / Zarar".
class TFmeButtons : public widgets::TFrame
{
    Q_OBJECT
public:
    explicit TFmeButtons(QWidget* parent = nullptr);

private:
    widgets::THeaderPanel* pnlHeader;
};

} // namespace velorin::samples
