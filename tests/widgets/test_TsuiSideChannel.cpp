#include "TApplication.h"
#include "TsuiSideChannel.h"

#include <QHBoxLayout>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using velorin::widgets::TApplication;
using velorin::widgets::TsuiSideChannel;

namespace {

struct Sheet
{
    QWidget host;
    TsuiSideChannel* panel;
    bool active = true;
    QPoint pointer;

    Sheet()
    {
        auto* row = new QHBoxLayout(&host);
        row->setContentsMargins(0, 0, 0, 0);
        row->addStretch(1);
        panel = new TsuiSideChannel(&host);
        row->addWidget(panel);
        host.resize(524, 562);
        host.show();
        panel->setActiveTest([this] { return active; });
        panel->setPointerSource([this] { return pointer; });
        panel->closeTimer().setInterval(20); // the check's 1 s interval, shortened for the test
    }
    QPoint insidePanel() const { return panel->mapToGlobal(QPoint(5, 100)); }
    void moveOverBar(int y = 100) { QTest::mouseMove(panel, QPoint(5, y)); }
};

} // namespace

class TestSideChannel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void opensInStepsOverTheBarOfTheActiveWindow()
    {
        Sheet s;
        QCOMPARE(s.panel->width(), 10);
        QVERIFY(s.panel->pinButton()->isHidden());
        QSignalSpy widths(s.panel, &TsuiSideChannel::widthChanged);
        s.pointer = s.insidePanel();
        s.moveOverBar();
        QCOMPARE(s.panel->width(), 188);
        QVERIFY(!s.panel->pinButton()->isHidden());
        QList<int> seen;
        for (const auto& args : widths)
            seen << args.at(0).toInt();
        QCOMPARE(seen.first(), 25);
        QCOMPARE(seen.at(seen.size() - 2), 175);
        QCOMPARE(seen.last(), 188);
        QVERIFY(s.panel->closeTimer().isActive());
        QCOMPARE(s.panel->closeTimer().interval(), 20);
    }

    void closesOnceThePointerHasLeft()
    {
        Sheet s;
        s.pointer = s.insidePanel();
        s.moveOverBar();
        QTest::qWait(60);
        QCOMPARE(s.panel->width(), 188); // pointer still inside
        s.pointer = QPoint(-100, -100);
        QTRY_COMPARE(s.panel->width(), 10);
        QVERIFY(s.panel->pinButton()->isHidden());
        QVERIFY(!s.panel->closeTimer().isActive());
    }

    void staysOpenWhilePinned()
    {
        Sheet s;
        s.pointer = s.insidePanel();
        s.moveOverBar();
        QTest::mouseClick(s.panel->pinButton(), Qt::LeftButton);
        QVERIFY(s.panel->isPinned());
        s.pointer = QPoint(-100, -100);
        QTest::qWait(100);
        QCOMPARE(s.panel->width(), 188);
        QTest::mouseClick(s.panel->pinButton(), Qt::LeftButton);
        QTRY_COMPARE(s.panel->width(), 10);
    }

    void staysClosedWhileTheWindowIsNotActive()
    {
        Sheet s;
        s.active = false;
        s.pointer = s.insidePanel();
        s.moveOverBar();
        QCOMPARE(s.panel->width(), 10);
        s.active = true;
        s.moveOverBar(120);
        QCOMPARE(s.panel->width(), 188);
    }

    void defaultCheckIsOneSecond()
    {
        TsuiSideChannel panel;
        QCOMPARE(panel.closeTimer().interval(), 1000);
    }
};

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    TestSideChannel test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_TsuiSideChannel.moc"
