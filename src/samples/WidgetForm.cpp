#include "WidgetForm.h"

#include "TFont.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace velorin::samples {

TFrmWidgets::TFrmWidgets(widgets::WidgetFormHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), m_host(host), RzFormShape1(new widgets::TRzFormShape(this)),
      RzColorPicker1(new widgets::TRzColorPicker(this)), RzBorder1(new QPushButton(this)),
      RzCalendar1(new widgets::TRzCalendar(this)), RzTimePicker1(new widgets::TRzTimePicker(this))
{
    setObjectName(QStringLiteral("FrmWidgets"));
    setWindowTitle(QStringLiteral("Widgets"));
    setFont(widgets::designFont(QStringLiteral("MS Sans Serif"), 11));
    setFixedSize(628, 355);
    // The window frees itself once it is closed; its opener keeps only a guarded pointer.
    setAttribute(Qt::WA_DeleteOnClose);

    RzFormShape1->setGeometry(rect());
    RzFormShape1->setPicture(QImage(QStringLiteral(":/samples/widgets.png")));

    RzColorPicker1->setObjectName(QStringLiteral("RzColorPicker1"));
    RzColorPicker1->setGeometry(224, 76, 152, 249);

    // A hot area over the close box painted in the picture: it draws nothing itself.
    RzBorder1->setObjectName(QStringLiteral("RzBorder1"));
    RzBorder1->setGeometry(584, 8, 25, 25);
    RzBorder1->setFlat(true);
    RzBorder1->setFocusPolicy(Qt::TabFocus);
    RzBorder1->setCursor(Qt::ArrowCursor);
    RzBorder1->setAccessibleName(tr("Close"));
    RzBorder1->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; }"
                                            "QPushButton:focus { border: 1px dotted white; }"));
    connect(RzBorder1, &QPushButton::clicked, this, &TFrmWidgets::RzBorder1Click);

    RzCalendar1->setObjectName(QStringLiteral("RzCalendar1"));
    RzCalendar1->setGeometry(20, 76, 147, 159);
    RzCalendar1->setBoldDaysHandler([this](int year, int month) {
        quint32 days = 0;
        RzCalendar1GetBoldDays(RzCalendar1, year, month, days);
        return days;
    });

    RzTimePicker1->setObjectName(QStringLiteral("RzTimePicker1"));
    RzTimePicker1->setGeometry(436, 76, 156, 190);

    setTabOrder(RzCalendar1, RzTimePicker1);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = geometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TFrmWidgets::RzCalendar1GetBoldDays(QObject* Sender, int Year, int Month, quint32& Days)
{
    Q_UNUSED(Sender);
    Q_UNUSED(Year);
    if (Month % 2 == 1)
        Days = widgets::TRzCalendar::daysToBits({9, 12, 21, 26});
    else
        Days = widgets::TRzCalendar::daysToBits({5, 6, 15, 25});
}

void TFrmWidgets::RzBorder1Click()
{
    close();
}

void TFrmWidgets::closeEvent(QCloseEvent* event)
{
    FormClose(event);
}

void TFrmWidgets::FormClose(QCloseEvent* event)
{
    if (!m_hostTold) {
        m_hostTold = true;
        m_host.WidgetFormClosed();
    }
    setAttribute(Qt::WA_DeleteOnClose);
    event->accept();
}

} // namespace velorin::samples
