#include "SvgPixmap.h"

#include <QPainter>
#include <QSvgRenderer>

namespace velorin::samples {

QPixmap svgPixmap(const QString& resource, const QSize& size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

} // namespace velorin::samples
