#include "TRzCalendar.h"

#include <QHBoxLayout>
#include <QTextCharFormat>

namespace velorin::widgets {

TRzCalendar::TRzCalendar(QWidget* parent) : QCalendarWidget(parent)
{
    setGridVisible(false);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    setNavigationBarVisible(true);

    // The navigation bar is the calendar's own child; the Today button joins its row.
    if (auto* bar = findChild<QWidget*>(QStringLiteral("qt_calendar_navigationbar"))) {
        if (auto* row = qobject_cast<QHBoxLayout*>(bar->layout())) {
            m_today = new QToolButton(bar); // owned by the navigation bar
            m_today->setObjectName(QStringLiteral("btnToday"));
            m_today->setText(tr("Today"));
            m_today->setAutoRaise(true);
            m_today->setFocusPolicy(Qt::TabFocus);
            row->addWidget(m_today);
            connect(m_today, &QToolButton::clicked, this, [this] {
                setSelectedDate(QDate::currentDate());
                showToday();
            });
        }
    }
    connect(this, &QCalendarWidget::currentPageChanged, this, [this] { refreshBoldDays(); });
}

void TRzCalendar::setBoldDaysHandler(BoldDaysHandler handler)
{
    m_handler = std::move(handler);
    refreshBoldDays();
}

quint32 TRzCalendar::daysToBits(const QList<int>& days)
{
    quint32 mask = 0;
    for (const int d : days) {
        if (d >= 1 && d <= 31)
            mask |= quint32(1) << (d - 1);
    }
    return mask;
}

bool TRzCalendar::isBold(QDate date) const
{
    return dateTextFormat(date).fontWeight() >= QFont::Bold;
}

void TRzCalendar::refreshBoldDays()
{
    for (const QDate& d : std::as_const(m_boldDates))
        setDateTextFormat(d, QTextCharFormat());
    m_boldDates.clear();
    if (!m_handler)
        return;

    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    const QDate first(yearShown(), monthShown(), 1);
    for (int offset = -1; offset <= 1; ++offset) {
        const QDate month = first.addMonths(offset);
        const quint32 mask = m_handler(month.year(), month.month());
        for (int day = 1; day <= month.daysInMonth(); ++day) {
            if (mask & (quint32(1) << (day - 1))) {
                const QDate date(month.year(), month.month(), day);
                setDateTextFormat(date, bold);
                m_boldDates.append(date);
            }
        }
    }
}

} // namespace velorin::widgets
