#include "ListBoxesFrame.h"

namespace velorin::samples {

TFmeListBoxes::TFmeListBoxes(QWidget* parent)
    : THeaderFrame(QStringLiteral("FmeListBoxes"), QStringLiteral("List Box Controls"), QSize(612, 458),
                   parent)
{
}

} // namespace velorin::samples
