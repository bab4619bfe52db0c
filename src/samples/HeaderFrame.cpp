#include "HeaderFrame.h"

#include "TFont.h"

#include <QVBoxLayout>

namespace velorin::samples {

THeaderFrame::THeaderFrame(const QString& name, const QString& caption, QSize designSize, QWidget* parent)
    : widgets::TFrame(parent), pnlHeader(new widgets::THeaderPanel(caption, this))
{
    setObjectName(name);
    setFont(widgets::designFont(QStringLiteral("Verdana"), 11));
    setDesignSize(designSize.width(), designSize.height());
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(pnlHeader);
    column->addStretch();
}

} // namespace velorin::samples
