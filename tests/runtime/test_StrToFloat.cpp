#include "EConvertError.h"
#include "StrToFloat.h"

#include <QTest>

using velorin::StrToFloat;

class TestStrToFloat : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void accepted_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("plain") << "en_US"
                               << "1200" << 1200.0;
        QTest::newRow("point") << "en_US"
                               << "12.5" << 12.5;
        QTest::newRow("comma locale") << "de_DE"
                                      << "12,5" << 12.5;
        QTest::newRow("turkish comma") << "tr_TR"
                                       << "-0,25" << -0.25;
        QTest::newRow("blanks around") << "en_US"
                                       << "  18  " << 18.0;
        QTest::newRow("plus sign") << "en_US"
                                   << "+7" << 7.0;
        QTest::newRow("minus sign") << "en_US"
                                    << " -3.5" << -3.5;
        QTest::newRow("no integer digits") << "en_US"
                                           << ".5" << 0.5;
        QTest::newRow("no fraction digits") << "en_US"
                                            << "5." << 5.0;
        QTest::newRow("exponent") << "en_US"
                                  << "1.5E3" << 1500.0;
        QTest::newRow("small exponent") << "de_DE"
                                        << "25e-1" << 2.5;
        QTest::newRow("signed exponent") << "en_US"
                                         << "1e+2" << 100.0;
        QTest::newRow("underflow reads as zero") << "en_US"
                                                 << "1e-400" << 0.0;
    }
    void accepted()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(StrToFloat(text, QLocale(locale)), expected);
    }

    void refused_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "en_US"
                               << "";
        QTest::newRow("blanks only") << "en_US"
                                     << "   ";
        QTest::newRow("blank inside") << "en_US"
                                      << "1 000";
        QTest::newRow("thousands separator") << "en_US"
                                             << "1,000";
        QTest::newRow("thousands separator, comma locale") << "de_DE"
                                                           << "1.000";
        QTest::newRow("point under comma locale") << "de_DE"
                                                  << "12.5";
        QTest::newRow("two separators") << "en_US"
                                        << "1.2.3";
        QTest::newRow("sign only") << "en_US"
                                   << "-";
        QTest::newRow("separator only") << "en_US"
                                        << ".";
        QTest::newRow("two signs") << "en_US"
                                   << "--1";
        QTest::newRow("blank after sign") << "en_US"
                                          << "- 1";
        QTest::newRow("exponent without digits") << "en_US"
                                                 << "1e";
        QTest::newRow("exponent without mantissa") << "en_US"
                                                   << "e5";
        QTest::newRow("letters") << "en_US"
                                 << "12abc";
        QTest::newRow("hexadecimal") << "en_US"
                                     << "$10";
        QTest::newRow("overflow") << "en_US"
                                  << "1e400";
        QTest::newRow("infinity word") << "en_US"
                                       << "inf";
        QTest::newRow("underscore") << "en_US"
                                    << "1_0";
    }
    void refused()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        try {
            StrToFloat(text, QLocale(locale));
            QFAIL("no conversion error");
        } catch (const velorin::EConvertError& e) {
            QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
        }
    }

    void systemLocaleIsTheDefault()
    {
        const QLocale system = QLocale::system();
        const QString text = QStringLiteral("2") + system.decimalPoint() + QStringLiteral("5");
        QCOMPARE(StrToFloat(text), 2.5);
    }
};

QTEST_APPLESS_MAIN(TestStrToFloat)

#include "test_StrToFloat.moc"
