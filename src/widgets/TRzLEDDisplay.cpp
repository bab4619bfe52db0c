#include "TRzLEDDisplay.h"

#include <QPainter>

namespace velorin::widgets {

TRzLEDDisplay::TRzLEDDisplay(QWidget* parent)
    : QFrame(parent), m_background(Qt::black), m_unlit(QColor(0, 64, 0)), m_lit(Qt::green)
{
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::NoFrame);
    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, &TRzLEDDisplay::step);
}

void TRzLEDDisplay::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    m_position = 0;
    setAccessibleName(caption);
    update();
}

void TRzLEDDisplay::setScrolling(bool on)
{
    if (on == scrolling())
        return;
    m_scrolling = on;
    m_position = 0;
    if (on)
        m_timer.start();
    else
        m_timer.stop();
    update();
}

void TRzLEDDisplay::setSegmentColors(const QColor& background, const QColor& unlit, const QColor& lit)
{
    m_background = background;
    m_unlit = unlit;
    m_lit = lit;
    update();
}

int TRzLEDDisplay::cellWidth() const
{
    return qMax(6, contentsRect().height() * 3 / 5);
}

int TRzLEDDisplay::cellCount() const
{
    return qMax(1, contentsRect().width() / cellWidth());
}

QString TRzLEDDisplay::visibleText() const
{
    const int cells = cellCount();
    // A caption that is not scrolling stands at the left edge.
    const int start = scrolling() ? cells - m_position : 0;
    QString text(cells, QLatin1Char(' '));
    for (int cell = 0; cell < cells; ++cell) {
        const int index = cell - start;
        if (index >= 0 && index < m_caption.size())
            text[cell] = m_caption.at(index);
    }
    return text;
}

QSize TRzLEDDisplay::sizeHint() const
{
    return QSize(200, 25);
}

void TRzLEDDisplay::step()
{
    // Once the caption's last character has left the left edge, it enters again at the right.
    ++m_position;
    if (m_position > cellCount() + m_caption.size())
        m_position = 1;
    update();
}

void TRzLEDDisplay::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.fillRect(area, m_background);

    QFont font = this->font();
    font.setFamily(QStringLiteral("DejaVu Sans Mono"));
    font.setBold(true);
    font.setPixelSize(qMax(6, area.height() * 4 / 5));
    painter.setFont(font);

    const QString text = visibleText();
    const int width = cellWidth();
    for (int cell = 0; cell < text.size(); ++cell) {
        const QRect box(area.left() + cell * width, area.top(), width, area.height());
        painter.setPen(m_unlit);
        painter.drawText(box, Qt::AlignCenter, QStringLiteral("8"));
        if (text.at(cell) != QLatin1Char(' ')) {
            painter.setPen(m_lit);
            painter.drawText(box, Qt::AlignCenter, QString(text.at(cell)));
        }
    }
}

} // namespace velorin::widgets
