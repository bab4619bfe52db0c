#pragma once

#include "TFrame.h"
#include "THeaderPanel.h"

namespace velorin::samples {

// A page that shows only its header panel `pnlHeader` above an empty surface.
class THeaderFrame : public widgets::TFrame
{
    Q_OBJECT
public:
    THeaderFrame(const QString& name, const QString& caption, QSize designSize, QWidget* parent);

    widgets::THeaderPanel* header() const { return pnlHeader; }

private:
    widgets::THeaderPanel* pnlHeader;
};

} // namespace velorin::samples
