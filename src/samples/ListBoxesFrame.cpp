#include "ListBoxesFrame.h"

#include "TFont.h"

#include <QVBoxLayout>

namespace velorin::samples {

TFmeListBoxes::TFmeListBoxes(QWidget* parent)
    : widgets::TFrame(parent), pnlHeader(new widgets::THeaderPanel(QStringLiteral("List Box Controls"), this))
{
    setObjectName(QStringLiteral("FmeListBoxes"));
    setFont(widgets::designFont(QStringLiteral("Verdana"), 11));
    setDesignSize(612, 458);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(pnlHeader);
    column->addStretch();
}

} // namespace velorin::samples
