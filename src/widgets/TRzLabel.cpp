#include "TRzLabel.h"

#include <QPainter>

namespace velorin::widgets {

TRzLabel::TRzLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {}

void TRzLabel::setRaised(bool on)
{
    m_raised = on;
    update();
}

void TRzLabel::paintEvent(QPaintEvent* event)
{
    if (m_raised) {
        QPainter painter(this);
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(contentsRect().translated(-1, -1), int(alignment()), text());
    }
    QLabel::paintEvent(event);
}

} // namespace velorin::widgets
