#include "TRzBitBtn.h"

#include <QEnterEvent>

namespace velorin::widgets {

TRzBitBtn::TRzBitBtn(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void TRzBitBtn::setHotTrack(bool on)
{
    m_hotTrack = on;
    setFlat(on && !underMouse());
}

void TRzBitBtn::enterEvent(QEnterEvent* event)
{
    if (m_hotTrack)
        setFlat(false);
    QPushButton::enterEvent(event);
}

void TRzBitBtn::leaveEvent(QEvent* event)
{
    if (m_hotTrack)
        setFlat(true);
    QPushButton::leaveEvent(event);
}

} // namespace velorin::widgets
