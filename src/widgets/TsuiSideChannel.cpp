#include "TsuiSideChannel.h"

#include "TColor.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QToolButton>

namespace velorin::widgets {

TsuiSideChannel::TsuiSideChannel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("suiSideChannel1"));
    setMouseTracking(true);
    setFixedWidth(ClosedWidth);
    m_pointer = [] { return QCursor::pos(); };
    m_isActive = [this] {
        return window()->isActiveWindow() && QGuiApplication::applicationState() == Qt::ApplicationActive;
    };

    m_pin = new QToolButton(this);
    m_pin->setObjectName(QStringLiteral("pinButton"));
    m_pin->setAccessibleName(tr("Pin"));
    m_pin->setCheckable(true);
    m_pin->setAutoRaise(true);
    m_pin->setFixedSize(20, 16);
    m_pin->setText(QStringLiteral("•"));
    m_pin->hide();
    connect(m_pin, &QToolButton::toggled, this, [this](bool pinned) {
        if (pinned)
            m_timer.stop();
        else
            m_timer.start();
    });

    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &TsuiSideChannel::checkPointer);
}

bool TsuiSideChannel::isPinned() const
{
    return m_pin->isChecked();
}

void TsuiSideChannel::enterEvent(QEnterEvent* event)
{
    QFrame::enterEvent(event);
    pointerOver();
}

void TsuiSideChannel::mouseMoveEvent(QMouseEvent* event)
{
    QFrame::mouseMoveEvent(event);
    pointerOver();
}

void TsuiSideChannel::pointerOver()
{
    if (width() == ClosedWidth && !m_moving && m_isActive())
        openPanel();
}

void TsuiSideChannel::setPanelWidth(int w)
{
    setFixedWidth(w);
    Q_EMIT widthChanged(w);
    repaint();
}

void TsuiSideChannel::openPanel()
{
    if (m_moving || width() == OpenWidth)
        return;
    m_moving = true;
    int w = width();
    while (w + Step < OpenWidth) {
        w += Step;
        setPanelWidth(w);
    }
    setPanelWidth(OpenWidth);
    m_moving = false;
    m_pin->show();
    if (!isPinned())
        m_timer.start();
}

void TsuiSideChannel::closePanel()
{
    if (m_moving || width() == ClosedWidth)
        return;
    m_timer.stop();
    m_moving = true;
    int w = width();
    while (w > 25) {
        w -= Step;
        setPanelWidth(w);
    }
    setPanelWidth(ClosedWidth);
    m_moving = false;
    m_pin->hide();
}

void TsuiSideChannel::checkPointer()
{
    if (m_moving)
        return;
    const QRect global(mapToGlobal(QPoint(0, 0)), size());
    if (!global.contains(m_pointer()))
        closePanel();
}

void TsuiSideChannel::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    m_pin->move(width() - m_pin->width() - 2, 2);
}

void TsuiSideChannel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (width() <= ClosedWidth) {
        painter.fillRect(rect(), vclColor(15263976));
    } else {
        painter.fillRect(rect(), Qt::white);
        painter.fillRect(QRect(0, 0, width(), 20), QColor(0x1F, 0x3A, 0x7A)); // deep blue caption band
    }
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace velorin::widgets
