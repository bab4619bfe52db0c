#include "WelcomeImage.h"

#include <QPainter>
#include <QSvgRenderer>

namespace velorin::shell {

WelcomeImage::WelcomeImage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Image1"));
    setAccessibleName(tr("Portrait"));
    QSvgRenderer renderer(QStringLiteral(":/shell/welcome.svg"));
    m_picture = QPixmap(renderer.defaultSize());
    m_picture.fill(Qt::transparent);
    QPainter painter(&m_picture);
    renderer.render(&painter);
}

void WelcomeImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), m_picture);
}

} // namespace velorin::shell
