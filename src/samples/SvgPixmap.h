#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace velorin::samples {

// One of our SVG pictures drawn at the given size, stretched to it.
QPixmap svgPixmap(const QString& resource, const QSize& size);

} // namespace velorin::samples
