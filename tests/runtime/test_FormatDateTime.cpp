#include "FormatDateTime.h"

#include <QTest>

class TestFormatDateTime : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pictures_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QDateTime>("value");
        QTest::addColumn<QString>("expected");
        const QDateTime morning(QDate(2026, 3, 7), QTime(9, 5, 3));
        const QDateTime evening(QDate(2026, 12, 31), QTime(23, 59, 59));
        QTest::newRow("time, hour without zero") << "en_US"
                                                 << "h:nn:ss" << morning << "9:05:03";
        QTest::newRow("time, late") << "en_US"
                                    << "h:nn:ss" << evening << "23:59:59";
        QTest::newRow("date, US separator") << "en_US"
                                            << "dd/mm/yyyy" << morning << "07/03/2026";
        QTest::newRow("date, German separator") << "de_DE"
                                                << "dd/mm/yyyy" << morning << "07.03.2026";
        QTest::newRow("short forms") << "en_US"
                                     << "d/m/yy" << morning << "7/3/26";
        QTest::newRow("literal text") << "en_US"
                                      << "'at' h" << morning << "at 9";
        QTest::newRow("long date") << "en_US"
                                   << "dddddd" << morning << "Saturday, March 7, 2026";
        QTest::newRow("long date, Turkish") << "tr_TR"
                                            << "dddddd" << morning << "7 Mart 2026 Cumartesi";
    }
    void pictures()
    {
        QFETCH(QString, locale);
        QFETCH(QString, picture);
        QFETCH(QDateTime, value);
        QFETCH(QString, expected);
        QCOMPARE(velorin::formatDateTime(picture, value, QLocale(locale)), expected);
    }
};

QTEST_GUILESS_MAIN(TestFormatDateTime)
#include "test_FormatDateTime.moc"
