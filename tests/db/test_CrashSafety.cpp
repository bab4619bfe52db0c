#include "ClinicFixture.h"
#include "Table.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

using velorin::db::Table;

// A second process posts examinations in a loop and is killed with SIGKILL at random
// moments; every record whose post had returned must survive, and the file must stay sound.
class TestCrashSafety : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void killedWriterLosesNoReturnedPost()
    {
        ClinicFixture fx;
        QRandomGenerator random(20261211);
        QSet<QString> confirmed;
        int kills = 0;
        QElapsedTimer total;
        total.start();
        while (kills < 40 && total.elapsed() < 15000) {
            QProcess writer;
            writer.start(QStringLiteral(DB_WRITER_HELPER), {QStringLiteral("post"), fx.path()});
            QVERIFY(writer.waitForStarted(5000));
            // Wait for the first post so that the kill lands inside the loop, then a random while.
            QVERIFY(writer.waitForReadyRead(10000));
            QTest::qWait(int(random.bounded(5, 120)));
            writer.kill();
            QVERIFY(writer.waitForFinished(5000));
            QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
            ++kills;
            const QByteArray output = writer.readAllStandardOutput();
            // Only whole lines: a key is printed after its post returned.
            const QList<QByteArray> lines = output.left(output.lastIndexOf('\n') + 1).split('\n');
            for (const QByteArray& line : lines) {
                if (!line.isEmpty())
                    confirmed.insert(QString::fromLatin1(line));
            }

            QCOMPARE(fx.query(QStringLiteral("YAPGEREK.DB"), QStringLiteral("PRAGMA integrity_check")),
                     QStringList{"ok"});
            Table table;
            fx.setUp(table, QStringLiteral("YAPGEREK.DB"));
            table.open();
            QSet<QString> present;
            const int no = table.fieldByName(QStringLiteral("NO"))->index();
            const int complaint = table.fieldByName(QStringLiteral("SIKAYETI"))->index();
            for (int row = 0; row < table.recordCount(); ++row) {
                present.insert(table.valueAt(row, no).toString());
                // Never a half-written record: a stored examination has its whole complaint.
                if (table.valueAt(row, no).toInt() > 3)
                    QCOMPARE(table.valueAt(row, complaint).size(), 120);
            }
            for (const QString& key : std::as_const(confirmed))
                QVERIFY2(present.contains(key), qPrintable(QStringLiteral("record %1 was lost").arg(key)));
        }
        QVERIFY(kills >= 10);
        QVERIFY(confirmed.size() > kills);
        qInfo("%d kills, %lld confirmed posts", kills, qlonglong(confirmed.size()));
    }
};

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "test_CrashSafety.moc"
