#include "ButtonsFrame.h"

#include "TFont.h"

#include <QVBoxLayout>

namespace velorin::samples {

TFmeButtons::TFmeButtons(QWidget* parent)
    : widgets::TFrame(parent), pnlHeader(new widgets::THeaderPanel(QStringLiteral("Kar / Zarar"), this))
{
    setObjectName(QStringLiteral("FmeButtons"));
    setFont(widgets::designFont(QStringLiteral("Verdana"), 11));
    setDesignSize(561, 417);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(pnlHeader);
    column->addStretch();
}

} // namespace velorin::samples
