#include "TApplication.h"
#include "TRzCalendar.h"
#include "TRzColorPicker.h"
#include "TRzTimePicker.h"
#include "WidgetForm.h"

#include <QPointer>
#include <QPushButton>
#include <QTest>

using velorin::samples::TFrmWidgets;
using velorin::widgets::TApplication;
using velorin::widgets::TRzCalendar;

// Stands in for the main window: keeps the one window as a guarded pointer, as it will.
class Host : public velorin::widgets::WidgetFormHost
{
public:
    void WidgetFormClosed() override { ++closed; }
    QPointer<TFrmWidgets> open()
    {
        std::unique_ptr<TFrmWidgets> form = std::make_unique<TFrmWidgets>(*this);
        form->show();
        return QPointer<TFrmWidgets>(form.release());
    }
    int closed = 0;
};

class TestWidgetForm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void boldDays_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<QList<int>>("days");
        const QList<int> odd{9, 12, 21, 26};
        const QList<int> even{5, 6, 15, 25};
        QTest::newRow("January 2024") << 2024 << 1 << odd;
        QTest::newRow("March 1999") << 1999 << 3 << odd;
        QTest::newRow("November 2030") << 2030 << 11 << odd;
        QTest::newRow("February 2024 (leap)") << 2024 << 2 << even;
        QTest::newRow("February 2023") << 2023 << 2 << even;
        QTest::newRow("April 1999") << 1999 << 4 << even;
        QTest::newRow("December 2024") << 2024 << 12 << even;
        QTest::newRow("December 1999") << 1999 << 12 << even;
        QTest::newRow("December 2031") << 2031 << 12 << even;
    }
    void boldDays()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(QList<int>, days);
        Host host;
        TFrmWidgets form(host);
        quint32 mask = 0xFFFFFFFFu;
        form.RzCalendar1GetBoldDays(&form, year, month, mask);
        QCOMPARE(mask, TRzCalendar::daysToBits(days));

        // The calendar shows them, and the fill days of its neighbours by their own month.
        auto* calendar = form.findChild<TRzCalendar*>(QStringLiteral("RzCalendar1"));
        QVERIFY(calendar);
        calendar->setCurrentPage(year, month);
        const QDate first(year, month, 1);
        for (const QDate& m : {first.addMonths(-1), first, first.addMonths(1)}) {
            quint32 expected = 0;
            form.RzCalendar1GetBoldDays(&form, m.year(), m.month(), expected);
            for (int d = 1; d <= m.daysInMonth(); ++d)
                QCOMPARE(calendar->isBold(QDate(m.year(), m.month(), d)), bool(expected & (1u << (d - 1))));
        }
    }

    void closeBoxClosesFreesAndTellsHost()
    {
        Host host;
        QPointer<TFrmWidgets> form = host.open();
        QVERIFY(QTest::qWaitForWindowExposed(form.data()));
        auto* border = form->findChild<QPushButton*>(QStringLiteral("RzBorder1"));
        QVERIFY(border);
        QCOMPARE(border->geometry(), QRect(584, 8, 25, 25));
        QTest::mouseClick(border, Qt::LeftButton);
        QCOMPARE(host.closed, 1);
        QTRY_VERIFY(form.isNull());
    }

    void reopenGivesNewWindowInItsInitialState()
    {
        Host host;
        QPointer<TFrmWidgets> first = host.open();
        auto* calendar = first->findChild<TRzCalendar*>(QStringLiteral("RzCalendar1"));
        auto* picker = first->findChild<velorin::widgets::TRzColorPicker*>(QStringLiteral("RzColorPicker1"));
        auto* time = first->findChild<velorin::widgets::TRzTimePicker*>(QStringLiteral("RzTimePicker1"));
        const QColor initialColor = picker->color();
        const QTime initialTime = time->time();
        calendar->setCurrentPage(1999, 3);
        picker->setColor(Qt::red);
        time->setTime(QTime(7, 35));
        QVERIFY(first->close());
        QTRY_VERIFY(first.isNull());
        QCOMPARE(host.closed, 1);

        QPointer<TFrmWidgets> second = host.open();
        QVERIFY(second);
        calendar = second->findChild<TRzCalendar*>(QStringLiteral("RzCalendar1"));
        picker = second->findChild<velorin::widgets::TRzColorPicker*>(QStringLiteral("RzColorPicker1"));
        time = second->findChild<velorin::widgets::TRzTimePicker*>(QStringLiteral("RzTimePicker1"));
        QCOMPARE(calendar->monthShown(), QDate::currentDate().month());
        QCOMPARE(calendar->yearShown(), QDate::currentDate().year());
        QCOMPARE(picker->color(), initialColor);
        QCOMPARE(time->time(), initialTime);
        // Centred on the screen.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(qAbs(second->geometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(second->geometry().center().y() - screen.center().y()) <= 1);
        second->close();
        QTRY_VERIFY(second.isNull());
        QCOMPARE(host.closed, 2);
    }

    void maskExcludesTransparentPixels_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("inWindow");
        QTest::newRow("outer margin") << QPoint(2, 2) << false;
        QTest::newRow("right of outline") << QPoint(616, 50) << false;
        QTest::newRow("beyond the picture") << QPoint(625, 50) << false;
        QTest::newRow("gap left/middle") << QPoint(195, 200) << false;
        QTest::newRow("gap middle/right") << QPoint(400, 150) << false;
        QTest::newRow("under left panel") << QPoint(100, 260) << false;
        QTest::newRow("under right panel") << QPoint(500, 300) << false;
        QTest::newRow("title bar") << QPoint(300, 20) << true;
        QTest::newRow("heading") << QPoint(100, 55) << true;
        QTest::newRow("left panel") << QPoint(100, 240) << true;
        QTest::newRow("middle panel bottom") << QPoint(300, 330) << true;
        QTest::newRow("right panel") << QPoint(500, 275) << true;
        QTest::newRow("close box") << QPoint(596, 20) << true;
    }
    void maskExcludesTransparentPixels()
    {
        QFETCH(QPoint, at);
        QFETCH(bool, inWindow);
        Host host;
        QPointer<TFrmWidgets> form = host.open();
        QVERIFY(QTest::qWaitForWindowExposed(form.data()));
        QCOMPARE(form->size(), QSize(628, 355));
        QVERIFY(form->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(form->mask().contains(at), inWindow);
        delete form.data();
    }

    void dragOnTitleBarMovesTheWindow()
    {
        Host host;
        QPointer<TFrmWidgets> form = host.open();
        QVERIFY(QTest::qWaitForWindowExposed(form.data()));
        QWidget* shape = form->findChild<QWidget*>(QStringLiteral("RzFormShape1"));
        QVERIFY(shape);
        const QPoint start = form->pos();
        QTest::mousePress(shape, Qt::LeftButton, {}, QPoint(300, 55));
        QMouseEvent move(QEvent::MouseMove, QPointF(320, 85), shape->mapToGlobal(QPointF(320, 85)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(shape, &move);
        QTest::mouseRelease(shape, Qt::LeftButton, {}, QPoint(320, 85));
        QCOMPARE(form->pos(), start + QPoint(20, 30));
        QCOMPARE(host.closed, 0);
        delete form.data();
    }
};

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    QStringList errors;
    app.setErrorHandler([&](const QString& m) { errors << m; });
    TestWidgetForm test;
    const int rc = QTest::qExec(&test, argc, argv);
    return rc ? rc : int(!errors.isEmpty());
}

#include "test_WidgetForm.moc"
