#include "Pages.h"

#include "ComboBoxesFrame.h"
#include "CustomFramingFrame.h"
#include "EditsFrame.h"

namespace velorin::app {

void registerPages(shell::PageRegistry& registry)
{
    registry.addPage(QStringLiteral("TFmeCustomFraming"),
                     [] { return std::make_unique<dictionary::TFmeCustomFraming>(); });
    registry.addPage(QStringLiteral("TFmeEdits"), [] { return std::make_unique<dictionary::TFmeEdits>(); });
    registry.addPage(QStringLiteral("TFmeComboBoxes"),
                     [] { return std::make_unique<dictionary::TFmeComboBoxes>(); });
}

} // namespace velorin::app
