#pragma once

#include "TRzCalendar.h"
#include "TRzColorPicker.h"
#include "TRzFormShape.h"
#include "TRzTimePicker.h"
#include "WidgetFormHost.h"

#include <QPushButton>
#include <QWidget>

namespace velorin::samples {

// The shaped widgets window: a calendar, a colour picker and a time picker in three panels
// hanging from a painted title bar. It tells its host when it closes and then frees itself.
class TFrmWidgets : public QWidget
{
    Q_OBJECT
public:
    explicit TFrmWidgets(widgets::WidgetFormHost& host, QWidget* parent = nullptr);

    // Bit d - 1 of Days marks day d of that month in bold; the year plays no part.
    void RzCalendar1GetBoldDays(QObject* Sender, int Year, int Month, quint32& Days);
    void RzBorder1Click();
    void FormClose(QCloseEvent* event);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    widgets::WidgetFormHost& m_host;
    bool m_hostTold = false;
    widgets::TRzFormShape* RzFormShape1;
    widgets::TRzColorPicker* RzColorPicker1;
    QPushButton* RzBorder1;
    widgets::TRzCalendar* RzCalendar1;
    widgets::TRzTimePicker* RzTimePicker1;
};

} // namespace velorin::samples
