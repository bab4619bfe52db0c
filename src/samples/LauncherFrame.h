#pragma once

#include "HeaderFrame.h"

namespace velorin::samples {

// A page that shows only its header "Veri Dışarı".
class TFmeLauncher : public THeaderFrame
{
    Q_OBJECT
public:
    explicit TFmeLauncher(QWidget* parent = nullptr);
};

} // namespace velorin::samples
