#include "DisplayFrame.h"

#include "TFont.h"

#include <QVBoxLayout>

namespace velorin::samples {

TFmeDisplay::TFmeDisplay(QWidget* parent)
    : widgets::TFrame(parent), RzPanel1(new QFrame(this)),
      pnlHeader(new widgets::THeaderPanel(QStringLiteral("Display"), this))
{
    setObjectName(QStringLiteral("FmeDisplay"));
    setFont(widgets::designFont(QStringLiteral("Verdana"), 11));
    setDesignSize(488, 572);
    RzPanel1->setObjectName(QStringLiteral("RzPanel1"));
    RzPanel1->setFrameStyle(QFrame::NoFrame);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(pnlHeader);
    column->addWidget(RzPanel1, 1);
}

} // namespace velorin::samples
