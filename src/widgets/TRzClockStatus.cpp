#include "TRzClockStatus.h"

#include "Clock.h"
#include "FormatDateTime.h"
#include "TApplication.h"

namespace velorin::widgets {

TRzClockStatus::TRzClockStatus(const QString& format, QWidget* parent)
    : QLabel(parent), m_format(format), m_clock(TApplication::serviceOr<Clock>(std::make_shared<Clock>()))
{
    m_timer.setInterval(500);
    connect(&m_timer, &QTimer::timeout, this, &TRzClockStatus::refresh);
    m_timer.start();
    refresh();
}

void TRzClockStatus::setFormat(const QString& format)
{
    m_format = format;
    refresh();
}

void TRzClockStatus::setClock(std::shared_ptr<const Clock> clock)
{
    m_clock = std::move(clock);
    refresh();
}

void TRzClockStatus::refresh()
{
    const QString text = formatDateTime(m_format, m_clock->now(), locale());
    if (text != QLabel::text())
        setText(text);
}

} // namespace velorin::widgets
