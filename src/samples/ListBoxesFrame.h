#pragma once

#include "TFrame.h"
#include "THeaderPanel.h"

namespace velorin::samples {

// A page that shows only its header "List Box Controls".
class TFmeListBoxes : public widgets::TFrame
{
    Q_OBJECT
public:
    explicit TFmeListBoxes(QWidget* parent = nullptr);

private:
    widgets::THeaderPanel* pnlHeader;
};

} // namespace velorin::samples
