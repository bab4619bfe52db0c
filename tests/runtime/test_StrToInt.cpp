#include "EConvertError.h"
#include "StrToInt.h"

#include <QTest>

using velorin::StrToInt;

class TestStrToInt : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void accepted_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("digits") << "10" << 10;
        QTest::newRow("leading blanks") << "   10" << 10;
        QTest::newRow("negative") << "-2" << -2;
        QTest::newRow("plus") << "+0" << 0;
        QTest::newRow("leading zeros") << "007" << 7;
        QTest::newRow("dollar hex") << "$1F" << 31;
        QTest::newRow("x hex") << "x10" << 16;
        QTest::newRow("0x hex") << "0xff" << 255;
        QTest::newRow("negative hex") << "-$10" << -16;
        QTest::newRow("largest") << "2147483647" << 2147483647;
        QTest::newRow("smallest") << "-2147483648" << int(-2147483647 - 1);
        QTest::newRow("largest hex") << "$7FFFFFFF" << 2147483647;
    }
    void accepted()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(StrToInt(text), expected);
    }

    void refused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks only") << "  ";
        QTest::newRow("trailing blank") << "10 ";
        QTest::newRow("blank inside") << "1 0";
        QTest::newRow("decimal point") << "1.5";
        QTest::newRow("decimal comma") << "1,5";
        QTest::newRow("sign only") << "-";
        QTest::newRow("dollar only") << "$";
        QTest::newRow("0x only") << "0x";
        QTest::newRow("hex digit without prefix") << "1F";
        QTest::newRow("above range") << "2147483648";
        QTest::newRow("below range") << "-2147483649";
        QTest::newRow("far above range") << "99999999999999999999999";
        QTest::newRow("hex above range") << "$80000000";
        QTest::newRow("exponent") << "1e3";
    }
    void refused()
    {
        QFETCH(QString, text);
        try {
            StrToInt(text);
            QFAIL("no conversion error");
        } catch (const velorin::EConvertError& e) {
            QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
        }
    }
};

QTEST_APPLESS_MAIN(TestStrToInt)

#include "test_StrToInt.moc"
