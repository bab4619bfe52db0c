#include "TRzSeparator.h"

#include <QLinearGradient>
#include <QPainter>

namespace velorin::widgets {

TRzSeparator::TRzSeparator(QWidget* parent) : QWidget(parent), m_highlight(Qt::white)
{
    setFixedHeight(2);
    setFocusPolicy(Qt::NoFocus);
}

void TRzSeparator::setHighlightColor(const QColor& color)
{
    m_highlight = color;
    update();
}

void TRzSeparator::setGradient(bool on)
{
    m_gradient = on;
    update();
}

void TRzSeparator::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_gradient) {
        QLinearGradient fade(rect().topLeft(), rect().topRight());
        fade.setColorAt(0, m_highlight);
        fade.setColorAt(1, palette().color(QPalette::Window));
        painter.fillRect(rect(), fade);
    } else {
        painter.fillRect(rect(), m_highlight);
    }
}

} // namespace velorin::widgets
