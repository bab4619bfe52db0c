#pragma once

#include <QCalendarWidget>
#include <QDate>
#include <QPointer>
#include <QToolButton>
#include <functional>

namespace velorin::widgets {

// A month calendar that asks its owner which days to draw in bold. The grid shows the
// fill days of the neighbouring months, so the calendar asks for the shown month and the
// month before and after it, and marks each day by the mask of its own month. A Today
// button in the navigation bar returns to the current date.
class TRzCalendar : public QCalendarWidget
{
    Q_OBJECT
public:
    // Bit d - 1 of the returned mask marks day d of that month (1 to 12) in bold.
    using BoldDaysHandler = std::function<quint32(int year, int month)>;

    explicit TRzCalendar(QWidget* parent = nullptr);

    void setBoldDaysHandler(BoldDaysHandler handler);

    // The mask of the days given: bit d - 1 for each d from 1 to 31; other numbers are ignored.
    static quint32 daysToBits(const QList<int>& days);

    bool isBold(QDate date) const;
    QToolButton* todayButton() const { return m_today; }

    // Asks again for the bold days of the months in view.
    void refreshBoldDays();

private:
    BoldDaysHandler m_handler;
    QList<QDate> m_boldDates;
    QPointer<QToolButton> m_today;
};

} // namespace velorin::widgets
