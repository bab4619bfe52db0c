#include "ButtonsFrame.h"

namespace velorin::samples {

TFmeButtons::TFmeButtons(QWidget* parent)
    : THeaderFrame(QStringLiteral("FmeButtons"), QStringLiteral("Kar / Zarar"), QSize(561, 417), parent)
{
}

} // namespace velorin::samples
