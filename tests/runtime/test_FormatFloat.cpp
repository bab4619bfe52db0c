#include "FormatFloat.h"

#include <QTest>
#include <stdexcept>

using velorin::FormatFloat;

namespace {
const QString resultPicture = QStringLiteral("###,###,###,###,###.##");
}

class TestFormatFloat : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Each row gives the text under a decimal-point locale and under a decimal-comma one.
    void resultPicture_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("german");
        QTest::newRow("whole") << 55.0 << "55"
                               << "55";
        QTest::newRow("grouped") << 1055.0 << "1,055"
                                 << "1.055";
        QTest::newRow("one decimal") << 1480.9 << "1,480.9"
                                     << "1.480,9";
        QTest::newRow("two decimals") << 128.09 << "128.09"
                                      << "128,09";
        QTest::newRow("computed two decimals") << (1480.9 - 200) / 10 << "128.09"
                                               << "128,09";
        QTest::newRow("millions") << 1234567.891 << "1,234,567.89"
                                  << "1.234.567,89";
        QTest::newRow("round half up") << 2.675 << "2.68"
                                       << "2,68";
        QTest::newRow("round half on decimal digits") << 1.005 << "1.01"
                                                      << "1,01";
        QTest::newRow("round half away from zero") << -1.005 << "-1.01"
                                                   << "-1,01";
        QTest::newRow("round down") << 1.004 << "1"
                                    << "1";
        QTest::newRow("carry into new group") << 999.996 << "1,000"
                                              << "1.000";
        QTest::newRow("trailing zero dropped") << 12.50 << "12.5"
                                               << "12,5";
        QTest::newRow("no leading zero") << 0.5 << ".5"
                                         << ",5";
        QTest::newRow("leading fraction zero kept") << 0.05 << ".05"
                                                    << ",05";
        QTest::newRow("negative") << -1000.0 << "-1,000"
                                  << "-1.000";
        QTest::newRow("negative fraction") << -0.25 << "-.25"
                                           << "-,25";
        QTest::newRow("zero") << 0.0 << ""
                              << "";
        QTest::newRow("negative zero") << -0.0 << ""
                                       << "";
        QTest::newRow("below a thousandth") << 0.0009 << ""
                                            << "";
        QTest::newRow("a thousandth") << 0.001 << ".00"
                                      << ",00";
        QTest::newRow("below half a cent") << 0.0049 << ".00"
                                           << ",00";
        QTest::newRow("negative below half a cent, no sign") << -0.003 << ".00"
                                                             << ",00";
        QTest::newRow("half a cent") << 0.005 << ".01"
                                     << ",01";
        QTest::newRow("negative half a cent") << -0.005 << "-.01"
                                              << "-,01";
        QTest::newRow("more digits than placeholders") << 123456789012345678.0 << "123,456,789,012,345,680"
                                                       << "123.456.789.012.345.680";
        QTest::newRow("general from 10^18") << 1e18 << "1E18"
                                            << "1E18";
        QTest::newRow("general, 15 digits") << 1234567890123456789.0 << "1.23456789012346E18"
                                            << "1,23456789012346E18";
        QTest::newRow("general negative") << -2.5e20 << "-2.5E20"
                                          << "-2,5E20";
    }
    void resultPicture()
    {
        QFETCH(double, value);
        QFETCH(QString, english);
        QFETCH(QString, german);
        QCOMPARE(FormatFloat(::resultPicture, value, QLocale(QStringLiteral("en_US"))), english);
        QCOMPARE(FormatFloat(::resultPicture, value, QLocale(QStringLiteral("de_DE"))), german);
    }

    void otherPictures_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero before point") << "#,##0.00" << 0.5 << "0.50";
        QTest::newRow("zero shown") << "#,##0.00" << 0.0 << "0.00";
        QTest::newRow("min fraction digit") << "0.0#" << 2.0 << "2.0";
        QTest::newRow("padded integer") << "000" << 7.0 << "007";
        QTest::newRow("no grouping") << "#.##" << 12345.678 << "12345.68";
        QTest::newRow("whole only") << "#" << 2.5 << "3";
    }
    void otherPictures()
    {
        QFETCH(QString, picture);
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(FormatFloat(picture, value, QLocale(QStringLiteral("en_US"))), expected);
    }

    void unknownPictureCharacterIsRefused()
    {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 FormatFloat(QStringLiteral("#.## TL"), 1.0, QLocale::c()));
    }

    void nonFiniteValues()
    {
        const QLocale en(QStringLiteral("en_US"));
        QCOMPARE(FormatFloat(::resultPicture, std::numeric_limits<double>::infinity(), en),
                 QStringLiteral("INF"));
        QCOMPARE(FormatFloat(::resultPicture, -std::numeric_limits<double>::infinity(), en),
                 QStringLiteral("-INF"));
        QCOMPARE(FormatFloat(::resultPicture, std::numeric_limits<double>::quiet_NaN(), en),
                 QStringLiteral("NAN"));
    }
};

QTEST_APPLESS_MAIN(TestFormatFloat)

#include "test_FormatFloat.moc"
