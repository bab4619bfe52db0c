#include "Startup.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>

using velorin::app::Startup;

namespace {

// One run of the start-up probe in a runtime folder of the test's own.
class Probe
{
public:
    Probe(const QString& runtimeDir, const QStringList& arguments)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral(STARTUP_PROBE), arguments);
    }
    ~Probe()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    // Waits for the next line of output; empty when none came in time.
    QString nextLine(int timeoutMs = 10000)
    {
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(timeoutMs))
                return QString();
        }
        return QString::fromUtf8(m_process.readLine()).trimmed();
    }
    QProcess& process() { return m_process; }

private:
    QProcess m_process;
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void traySwitch_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("hidden");
        QTest::newRow("none") << QStringList() << false;
        QTest::newRow("/tray") << QStringList{"/tray"} << true;
        QTest::newRow("/TRAY") << QStringList{"/TRAY"} << true;
        QTest::newRow("/Tray") << QStringList{"/Tray"} << true;
        QTest::newRow("tray") << QStringList{"tray"} << false;
        QTest::newRow("-tray") << QStringList{"-tray"} << false;
        QTest::newRow("/tray1") << QStringList{"/tray1"} << false;
        QTest::newRow("/tray with trailing blank") << QStringList{"/tray "} << false;
        QTest::newRow("/tray second") << QStringList{"x", "/tray"} << false;
        QTest::newRow("/tray then more") << QStringList{"/tray", "x"} << true;
    }
    void traySwitch()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, hidden);
        QCOMPARE(Startup::isTraySwitch(arguments), hidden);
    }

    void secondStartShowsMessageThenBroadcastsAndEnds()
    {
        QTemporaryDir runtime;
        Probe first(runtime.path(), {});
        QCOMPARE(first.nextLine(), QStringLiteral("started|visible=1"));

        Probe second(runtime.path(), {QStringLiteral("/tray")});
        QCOMPARE(second.nextLine(), QStringLiteral("message|Yazılım şu anda aktif ve çalışıyor|Morvantek"));
        QCOMPARE(second.nextLine(), QStringLiteral("broadcast|Morvantek Grup |0|0"));
        QCOMPARE(second.nextLine(), QStringLiteral("exit|0"));
        QVERIFY(second.process().waitForFinished(10000));
        QCOMPARE(second.process().exitCode(), 0);

        // The running instance receives the broadcast and simply goes on.
        QCOMPARE(first.nextLine(), QStringLiteral("received|Morvantek Grup |0|0"));
        QCOMPARE(first.process().state(), QProcess::Running);
    }

    void markerIsReleasedWhenTheProcessIsKilled()
    {
        QTemporaryDir runtime;
        {
            Probe first(runtime.path(), {QStringLiteral("/TRAY")});
            QCOMPARE(first.nextLine(), QStringLiteral("started|visible=0"));
            ::kill(pid_t(first.process().processId()), SIGKILL);
            QVERIFY(first.process().waitForFinished(5000));
        }
        Probe next(runtime.path(), {QStringLiteral("tray")});
        QCOMPARE(next.nextLine(), QStringLiteral("started|visible=1"));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "test_Startup.moc"
