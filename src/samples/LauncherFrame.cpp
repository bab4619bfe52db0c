#include "LauncherFrame.h"

#include "TFont.h"

#include <QVBoxLayout>

namespace velorin::samples {

TFmeLauncher::TFmeLauncher(QWidget* parent)
    : widgets::TFrame(parent), pnlHeader(new widgets::THeaderPanel(QStringLiteral("Veri Dışarı"), this))
{
    setObjectName(QStringLiteral("FmeLauncher"));
    setFont(widgets::designFont(QStringLiteral("Verdana"), 11));
    setDesignSize(806, 602);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(pnlHeader);
    column->addStretch();
}

} // namespace velorin::samples
