#include "TRzMarqueeStatus.h"

#include <QPainter>

namespace velorin::widgets {

TRzMarqueeStatus::TRzMarqueeStatus(const QString& text, QWidget* parent) : QWidget(parent), m_text(text)
{
    setAccessibleName(text);
    m_timer.setInterval(50);
    connect(&m_timer, &QTimer::timeout, this, &TRzMarqueeStatus::step);
    m_timer.start();
}

QSize TRzMarqueeStatus::sizeHint() const
{
    return QSize(fontMetrics().horizontalAdvance(m_text), fontMetrics().height());
}

void TRzMarqueeStatus::step()
{
    --m_offset;
    if (m_offset + fontMetrics().horizontalAdvance(m_text) <= 0)
        m_offset = width();
    update();
}

void TRzMarqueeStatus::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.drawText(QRect(m_offset, 0, fontMetrics().horizontalAdvance(m_text) + 1, height()),
                     Qt::AlignVCenter | Qt::AlignLeft, m_text);
}

} // namespace velorin::widgets
