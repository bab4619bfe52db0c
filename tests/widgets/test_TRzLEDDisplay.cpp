#include "TApplication.h"
#include "TRzLEDDisplay.h"

#include <QTest>

using velorin::widgets::TApplication;
using velorin::widgets::TRzLEDDisplay;

class TestTRzLEDDisplay : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void captionIsTheAccessibleNameAndStandsLeftWhenStill()
    {
        TRzLEDDisplay led;
        led.resize(120, 20);
        QVERIFY(!led.scrolling());
        led.setCaption(QStringLiteral("YILMAZ  Ayşe"));
        QCOMPARE(led.accessibleName(), QStringLiteral("YILMAZ  Ayşe"));
        const int cells = led.cellCount();
        QVERIFY(cells >= 3);
        QCOMPARE(led.visibleText().size(), cells);
        QCOMPARE(led.visibleText().left(3), QStringLiteral("YIL"));
    }

    void scrollsRightToLeftOneCellPerStepAndComesBack()
    {
        TRzLEDDisplay led;
        led.resize(60, 20);
        led.setCaption(QStringLiteral("AB"));
        led.setScrolling(true);
        QCOMPARE(led.scrollDelay(), 100);
        led.timer().stop();
        const int cells = led.cellCount();
        const QString blank(cells, QLatin1Char(' '));

        QCOMPARE(led.visibleText(), blank);
        led.step();
        QCOMPARE(led.visibleText(), QString(cells - 1, QLatin1Char(' ')) + QStringLiteral("A"));
        led.step();
        QCOMPARE(led.visibleText(), QString(cells - 2, QLatin1Char(' ')) + QStringLiteral("AB"));
        for (int i = 2; i < cells; ++i)
            led.step();
        QCOMPARE(led.visibleText(), QStringLiteral("AB") + QString(cells - 2, QLatin1Char(' ')));
        led.step();
        QCOMPARE(led.visibleText(), QStringLiteral("B") + QString(cells - 1, QLatin1Char(' ')));
        led.step();
        QCOMPARE(led.visibleText(), blank);
        // Gone at the left, it enters again at the right.
        led.step();
        QCOMPARE(led.visibleText(), QString(cells - 1, QLatin1Char(' ')) + QStringLiteral("A"));
    }

    void newCaptionStartsAgainAtTheRightAndTheTimerDrivesIt()
    {
        TRzLEDDisplay led;
        led.resize(60, 20);
        led.setScrolling(true);
        led.setScrollDelay(10);
        led.setCaption(QStringLiteral("X"));
        const int cells = led.cellCount();
        QTRY_COMPARE(led.visibleText().right(1), QStringLiteral("X"));
        led.setCaption(QStringLiteral("Y"));
        led.timer().stop();
        QCOMPARE(led.visibleText(), QString(cells, QLatin1Char(' ')));
    }
};

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    TestTRzLEDDisplay test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_TRzLEDDisplay.moc"
