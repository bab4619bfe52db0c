#include "TApplication.h"
#include "TRzCalendar.h"

#include <QTest>

using velorin::widgets::TApplication;
using velorin::widgets::TRzCalendar;

class TestTRzCalendar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void daysToBits_data()
    {
        QTest::addColumn<QList<int>>("days");
        QTest::addColumn<quint32>("mask");
        QTest::newRow("none") << QList<int>{} << quint32(0);
        QTest::newRow("first and last") << QList<int>{1, 31} << quint32(0x40000001u);
        QTest::newRow("out of range ignored") << QList<int>{0, -3, 32, 40, 2} << quint32(0x2u);
        QTest::newRow("repeated") << QList<int>{9, 9} << quint32(1u << 8);
    }
    void daysToBits()
    {
        QFETCH(QList<int>, days);
        QFETCH(quint32, mask);
        QCOMPARE(TRzCalendar::daysToBits(days), mask);
    }

    // Each month in view is asked for once, and each day is bold by its own month's mask,
    // fill days of the neighbouring months included.
    void asksShownAndNeighbouringMonths()
    {
        TRzCalendar calendar;
        calendar.setCurrentPage(2024, 3);
        QList<QPair<int, int>> asked;
        calendar.setBoldDaysHandler([&](int year, int month) {
            asked.append({year, month});
            return TRzCalendar::daysToBits({month}); // day number = month number
        });
        QCOMPARE(asked, (QList<QPair<int, int>>{{2024, 2}, {2024, 3}, {2024, 4}}));
        QVERIFY(calendar.isBold(QDate(2024, 3, 3)));
        QVERIFY(calendar.isBold(QDate(2024, 2, 2)));
        QVERIFY(calendar.isBold(QDate(2024, 4, 4)));
        QVERIFY(!calendar.isBold(QDate(2024, 3, 2)));
        QVERIFY(!calendar.isBold(QDate(2024, 3, 4)));

        // Turning the page asks again and forgets the old marks.
        asked.clear();
        calendar.setCurrentPage(2024, 12);
        QCOMPARE(asked, (QList<QPair<int, int>>{{2024, 11}, {2024, 12}, {2025, 1}}));
        QVERIFY(!calendar.isBold(QDate(2024, 3, 3)));
        QVERIFY(calendar.isBold(QDate(2024, 12, 12)));
        QVERIFY(calendar.isBold(QDate(2025, 1, 1)));
        QVERIFY(calendar.isBold(QDate(2024, 11, 11)));
    }

    void todayButtonReturnsToToday()
    {
        TRzCalendar calendar;
        calendar.show();
        QVERIFY(calendar.todayButton());
        calendar.setCurrentPage(1999, 3);
        QTest::mouseClick(calendar.todayButton(), Qt::LeftButton);
        QCOMPARE(calendar.monthShown(), QDate::currentDate().month());
        QCOMPARE(calendar.yearShown(), QDate::currentDate().year());
        QCOMPARE(calendar.selectedDate(), QDate::currentDate());
    }
};

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    QStringList errors;
    app.setErrorHandler([&](const QString& m) { errors << m; });
    TestTRzCalendar test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_TRzCalendar.moc"
