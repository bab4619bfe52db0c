#pragma once

#include <QFont>
#include <QString>

namespace velorin::widgets {

// Fonts are designed by character height in pixels (at 96 dots per inch).
inline QFont designFont(const QString& family, int pixelHeight, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

} // namespace velorin::widgets
