#include "Clock.h"
#include "LockKeyReader.h"
#include "TApplication.h"
#include "TRzClockStatus.h"
#include "TRzKeyStatus.h"
#include "TRzMarqueeStatus.h"

#include <QTest>

using namespace velorin::widgets;

namespace {

class FakeClock : public Clock
{
public:
    QDateTime value;
    QDateTime now() const override { return value; }
};

class FakeKeys : public LockKeyReader
{
public:
    LockKeys keys;
    LockKeys read() const override { return keys; }
};

} // namespace

class TestStatusPanes : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keyPanesFollowTheirKeyWithinHalfASecond()
    {
        auto keys = std::make_shared<FakeKeys>();
        TApplication::instance()->setService<LockKeyReader>(keys);
        TRzKeyStatus caps(TRzKeyStatus::Key::CapsLock);
        TRzKeyStatus num(TRzKeyStatus::Key::NumLock);
        TRzKeyStatus scroll(TRzKeyStatus::Key::ScrollLock);
        QCOMPARE(caps.timer().interval(), 500);
        QVERIFY(caps.text().isEmpty() && num.text().isEmpty() && scroll.text().isEmpty());

        keys->keys = {true, false, true};
        QTRY_COMPARE_WITH_TIMEOUT(caps.text(), QStringLiteral("CAPS"), 600);
        QCOMPARE(num.text(), QString());
        QCOMPARE(scroll.text(), QStringLiteral("SCR"));

        keys->keys = {false, true, false};
        QTRY_COMPARE_WITH_TIMEOUT(num.text(), QStringLiteral("NUM"), 600);
        QCOMPARE(caps.text(), QString());
        QCOMPARE(scroll.text(), QString());
        TApplication::instance()->setService<LockKeyReader>(nullptr);
    }

    void dateChangesAtMidnightOnItsOwn()
    {
        auto clock = std::make_shared<FakeClock>();
        clock->value = QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59, 800));
        TApplication::instance()->setService<Clock>(clock);
        TRzClockStatus date(QStringLiteral("dd/mm/yyyy"));
        TRzClockStatus time(QStringLiteral("h:nn:ss"));
        date.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        time.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        date.refresh();
        time.refresh();
        QCOMPARE(date.text(), QStringLiteral("31/12/2026"));
        QCOMPARE(time.text(), QStringLiteral("23:59:59"));
        clock->value = QDateTime(QDate(2027, 1, 1), QTime(0, 0, 0, 300));
        QTRY_COMPARE_WITH_TIMEOUT(date.text(), QStringLiteral("01/01/2027"), 600);
        QTRY_COMPARE_WITH_TIMEOUT(time.text(), QStringLiteral("0:00:00"), 600);
        TApplication::instance()->setService<Clock>(nullptr);
    }

    void marqueeMovesLeftAndReentersFromTheRight()
    {
        TRzMarqueeStatus marquee(QStringLiteral("Morvantek 2004-2026"));
        marquee.resize(177, 19);
        QCOMPARE(marquee.timer().interval(), 50);
        marquee.timer().stop();
        marquee.step();
        QCOMPARE(marquee.offset(), -1);
        const int textWidth = marquee.fontMetrics().horizontalAdvance(marquee.text());
        while (marquee.offset() < 0)
            marquee.step();
        // It left on the left after textWidth steps and came back at the right edge.
        QCOMPARE(marquee.offset(), 177);
        marquee.step();
        QCOMPARE(marquee.offset(), 176);
        QVERIFY(textWidth > 0);
    }
};

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    TestStatusPanes test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_StatusPanes.moc"
