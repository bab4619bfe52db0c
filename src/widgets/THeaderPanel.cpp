#include "THeaderPanel.h"

#include "TColor.h"
#include "TFont.h"

#include <QLinearGradient>
#include <QPainter>

namespace velorin::widgets {

THeaderPanel::THeaderPanel(const QString& caption, QWidget* parent)
    : QLabel(caption, parent), m_from(vclColor(11855600)), m_to(vclColor(9229030)),
      m_border(vclColor(10524310))
{
    setObjectName(QStringLiteral("pnlHeader"));
    setFixedHeight(35);
    setFont(designFont(QStringLiteral("Verdana"), 21, true));
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setIndent(4);
    setWordWrap(false);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, vclColor(9856100));
    setPalette(p);
}

void THeaderPanel::setGradient(const QColor& from, const QColor& to)
{
    m_from = from;
    m_to = to;
    update();
}

void THeaderPanel::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        QLinearGradient gradient(rect().topLeft(), rect().topRight());
        gradient.setColorAt(0, m_from);
        gradient.setColorAt(1, m_to);
        painter.fillRect(rect(), gradient);
        painter.setPen(m_border);
        painter.drawLine(0, height() - 1, width() - 1, height() - 1);
    }
    QLabel::paintEvent(event);
}

} // namespace velorin::widgets
