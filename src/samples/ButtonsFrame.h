#pragma once

#include "HeaderFrame.h"

namespace velorin::samples {

// A page that shows only its header "Kar / Zarar".
class TFmeButtons : public THeaderFrame
{
    Q_OBJECT
public:
    explicit TFmeButtons(QWidget* parent = nullptr);
};

} // namespace velorin::samples
