#pragma once

#include "TFrame.h"
#include "THeaderPanel.h"

#include <QFrame>

namespace velorin::samples {

// The display page: the header "Display" above an empty client panel.
class TFmeDisplay : public widgets::TFrame
{
    Q_OBJECT
public:
    explicit TFmeDisplay(QWidget* parent = nullptr);

private:
    QFrame* RzPanel1;
    widgets::THeaderPanel* pnlHeader;
};

} // namespace velorin::samples
