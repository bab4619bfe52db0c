#include "LauncherFrame.h"

namespace velorin::samples {

TFmeLauncher::TFmeLauncher(QWidget* parent)
    : THeaderFrame(QStringLiteral("FmeLauncher"), QStringLiteral("Veri Dışarı"), QSize(806, 602), parent)
{
}

} // namespace velorin::samples
