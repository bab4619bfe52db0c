#pragma once

#include "HeaderFrame.h"

namespace velorin::samples {

// A page that shows only its header "List Box Controls".
class TFmeListBoxes : public THeaderFrame
{
    Q_OBJECT
public:
    explicit TFmeListBoxes(QWidget* parent = nullptr);
};

} // namespace velorin::samples
