#include "ERangeError.h"
#include "TFinanceCalculator.h"

#include <QTest>

using velorin::finance::TFinanceCalculator;

class TestTFinanceCalculator : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void instalment_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<int>("term");
        QTest::addColumn<double>("downPayment");
        QTest::addColumn<double>("rate");
        QTest::addColumn<double>("vatRate");
        QTest::addColumn<int>("usedTerm");
        QTest::addColumn<double>("sum");
        QTest::addColumn<double>("maturityDifference");
        QTest::addColumn<double>("vat");
        QTest::addColumn<double>("totalBeforeVat");
        QTest::addColumn<double>("totalWithVat");
        QTest::addColumn<double>("monthly");
        QTest::newRow("worked example") << 1200.0 << 10 << 200.0 << 1.0 << 18.0 //
                                        << 10 << 1055.0 << 55.0 << 225.9 << 1255.0 << 1480.9 << 128.09;
        QTest::newRow("term 0 taken as 1") << 1200.0 << 0 << 200.0 << 1.0 << 18.0 //
                                           << 1 << 1010.0 << 10.0 << 217.8 << 1210.0 << 1427.8 << 1227.8;
        QTest::newRow("negative term") << 1200.0 << -2 << 200.0 << 1.0 << 18.0 //
                                       << -2 << 0.0 << -1000.0 << 36.0 << 200.0 << 236.0 << -18.0;
        QTest::newRow("term 100") << 1000.0 << 100 << 0.0 << 1.0 << 0.0 //
                                  << 100 << 1505.0 << 505.0 << 0.0 << 1505.0 << 1505.0 << 15.05;
        QTest::newRow("amount equal to down payment") << 200.0 << 10 << 200.0 << 1.0 << 18.0 //
                                                      << 10 << 0.0 << 0.0 << 36.0 << 200.0 << 236.0 << 3.6;
    }
    void instalment()
    {
        QFETCH(double, amount);
        QFETCH(int, term);
        QFETCH(double, downPayment);
        QFETCH(double, rate);
        QFETCH(double, vatRate);
        const auto plan = TFinanceCalculator::instalment(amount, term, downPayment, rate, vatRate);
        QTEST(plan.term, "usedTerm");
        QTEST(plan.sum, "sum");
        QTEST(plan.maturityDifference, "maturityDifference");
        QTEST(plan.vat, "vat");
        QTEST(plan.totalBeforeVat, "totalBeforeVat");
        QTEST(plan.totalWithVat, "totalWithVat");
        QTEST(plan.monthly, "monthly");
    }

    void monthsRepayShareWithSimpleInterest()
    {
        const auto plan = TFinanceCalculator::instalment(1200, 10, 200, 1, 18);
        QCOMPARE(plan.financed, 1000.0);
        QCOMPARE(plan.share, 100.0);
        for (int i = 1; i <= 10; ++i)
            QCOMPARE(plan.instalments[std::size_t(i)], 100.0 + i);
        QCOMPARE(plan.instalments[0], 0.0);
        QCOMPARE(plan.instalments[11], 0.0);
    }

    void termAbove100IsARangeError_data()
    {
        QTest::addColumn<int>("term");
        QTest::newRow("101") << 101;
        QTest::newRow("largest") << 2147483647;
    }
    void termAbove100IsARangeError()
    {
        QFETCH(int, term);
        try {
            TFinanceCalculator::instalment(1000, term, 0, 1, 0);
            QFAIL("no range error");
        } catch (const velorin::ERangeError& e) {
            QCOMPARE(e.message(), QStringLiteral("Range check error"));
        }
    }

    void interest()
    {
        const auto result = TFinanceCalculator::interest(1000, 5);
        QCOMPARE(result.total, 1050.0);
        QCOMPARE(result.maturityDifference, 50.0);
    }
};

QTEST_APPLESS_MAIN(TestTFinanceCalculator)

#include "test_TFinanceCalculator.moc"
