#pragma once

#include <QColor>

namespace velorin::widgets {

// Colours are stored as decimal numbers with red in the lowest byte, then green, then blue.
inline QColor vclColor(unsigned int bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

} // namespace velorin::widgets
