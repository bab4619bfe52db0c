#include "ClinicFixture.h"
#include "DataSource.h"
#include "EConvertError.h"
#include "EDatabaseError.h"
#include "Table.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <unistd.h>

using velorin::EDatabaseError;
using velorin::db::DataSetState;
using velorin::db::DataSource;
using velorin::db::Table;

Q_DECLARE_METATYPE(DataSetState)

namespace {

QString errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const velorin::Exception& e) {
        return e.message();
    }
    return {};
}

QStringList column(Table& table, const QString& name)
{
    QStringList values;
    const int index = table.fieldByName(name)->index();
    for (int row = 0; row < table.recordCount(); ++row)
        values << table.valueAt(row, index).toString();
    return values;
}

} // namespace

class TestTableWriting : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Steps: E edit, I insert, A append, W write ADI, P post, C cancel, D delete, N next.
    void recordStatesAndSettling_data()
    {
        QTest::addColumn<bool>("empty");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<DataSetState>("state");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("error");

        const QStringList initial{"b", "a", "c"};
        const QString notEditing = QStringLiteral("Dataset not in edit or insert mode");
        QTest::newRow("edit") << false << "E" << DataSetState::Edit << initial << "";
        QTest::newRow("edit while editing does nothing")
            << false << "EE" << DataSetState::Edit << initial << "";
        QTest::newRow("edit, write, post")
            << false << "EWP" << DataSetState::Browse << QStringList{"x", "a", "c"} << "";
        QTest::newRow("insert stores nothing yet") << false << "I" << DataSetState::Insert << initial << "";
        QTest::newRow("unwritten insert is dropped by insert")
            << false << "II" << DataSetState::Insert << initial << "";
        QTest::newRow("written insert is stored by insert")
            << false << "IWI" << DataSetState::Insert << QStringList{"b", "a", "c", "x"} << "";
        QTest::newRow("edit without writing dropped by insert")
            << false << "EI" << DataSetState::Insert << initial << "";
        QTest::newRow("written edit stored by insert")
            << false << "EWI" << DataSetState::Insert << QStringList{"x", "a", "c"} << "";
        QTest::newRow("post of an unwritten insert stores it")
            << false << "IP" << DataSetState::Browse << QStringList{"b", "a", "c", ""} << "";
        QTest::newRow("post in browse fails")
            << false << "P" << DataSetState::Browse << initial << notEditing;
        QTest::newRow("post after post fails")
            << false << "IWPP" << DataSetState::Browse << QStringList{"b", "a", "c", "x"} << notEditing;
        QTest::newRow("write in browse fails")
            << false << "W" << DataSetState::Browse << initial << notEditing;
        QTest::newRow("cancel in browse does nothing")
            << false << "C" << DataSetState::Browse << initial << "";
        QTest::newRow("cancel drops a written insert")
            << false << "IWC" << DataSetState::Browse << initial << "";
        QTest::newRow("cancel drops a written edit")
            << false << "EWC" << DataSetState::Browse << initial << "";
        QTest::newRow("delete in insert drops it") << false << "IWD" << DataSetState::Browse << initial << "";
        QTest::newRow("delete in browse deletes")
            << false << "D" << DataSetState::Browse << QStringList{"a", "c"} << "";
        QTest::newRow("delete in edit deletes")
            << false << "EWD" << DataSetState::Browse << QStringList{"a", "c"} << "";
        QTest::newRow("moving stores a written edit")
            << false << "EWN" << DataSetState::Browse << QStringList{"x", "a", "c"} << "";
        QTest::newRow("moving drops an unwritten insert")
            << false << "IN" << DataSetState::Browse << initial << "";
        QTest::newRow("append, write, post")
            << false << "AWP" << DataSetState::Browse << QStringList{"b", "a", "c", "x"} << "";
        QTest::newRow("edit on an empty table inserts")
            << true << "E" << DataSetState::Insert << QStringList{} << "";
        QTest::newRow("edit, write, post on an empty table")
            << true << "EWP" << DataSetState::Browse << QStringList{"x"} << "";
        QTest::newRow("delete on an empty table fails")
            << true << "D" << DataSetState::Browse << QStringList{} << "empty dataset";
        QTest::newRow("edit then delete on an empty table changes nothing")
            << true << "ED" << DataSetState::Browse << QStringList{} << "";
    }

    void recordStatesAndSettling()
    {
        QFETCH(bool, empty);
        QFETCH(QString, steps);
        QFETCH(DataSetState, state);
        QFETCH(QStringList, stored);
        QFETCH(QString, error);

        ClinicFixture fx;
        if (empty)
            fx.run(QStringLiteral("YAPGEREK.DB"), QStringLiteral("DELETE FROM YAPGEREK"));
        Table table;
        fx.setUp(table, QStringLiteral("YAPGEREK.DB"));
        table.open();
        QString message;
        for (const QChar step : steps) {
            message = errorOf([&] {
                switch (step.unicode()) {
                case 'E':
                    table.edit();
                    break;
                case 'I':
                    table.insert();
                    break;
                case 'A':
                    table.append();
                    break;
                case 'W':
                    table.fieldByName(QStringLiteral("ADI"))->setAsString(QStringLiteral("x"));
                    break;
                case 'P':
                    table.post();
                    break;
                case 'C':
                    table.cancel();
                    break;
                case 'D':
                    table.deleteRecord();
                    break;
                case 'N':
                    table.next();
                    break;
                }
            });
            if (!message.isEmpty())
                break;
        }
        QVERIFY2(error.isEmpty() ? message.isEmpty() : message.contains(error), qPrintable(message));
        QCOMPARE(table.state(), state);
        QCOMPARE(
            fx.query(QStringLiteral("YAPGEREK.DB"), QStringLiteral("SELECT ADI FROM YAPGEREK ORDER BY NO")),
            stored);

        // The records in memory are the stored ones, plus a pending inserted one.
        table.cancel();
        QStringList inMemory = column(table, QStringLiteral("ADI"));
        inMemory.sort();
        QStringList expected = stored;
        expected.sort();
        QCOMPARE(inMemory, expected);
        table.close();
        table.open();
        inMemory = column(table, QStringLiteral("ADI"));
        inMemory.sort();
        QCOMPARE(inMemory, expected);
    }

    void insertedRecordSitsAtTheCursorUntilStored()
    {
        ClinicFixture fx;
        Table table;
        fx.setUp(table, QStringLiteral("YAPGEREK.DB"));
        table.open();
        table.next();
        QSignalSpy records(&table, &Table::recordsChanged);
        table.insert();
        QCOMPARE(table.recordCount(), 4);
        QCOMPARE(table.currentRow(), 1);
        QCOMPARE(column(table, QStringLiteral("ADI")), QStringList({"b", "", "a", "c"}));
        QVERIFY(records.count() >= 1);
        table.cancel();
        QCOMPARE(table.recordCount(), 3);
        QCOMPARE(table.fieldByName(QStringLiteral("ADI"))->asString(), QStringLiteral("a"));
    }

    void textIsCutToTheFieldSize()
    {
        ClinicFixture fx;
        Table table;
        fx.setUp(table, QStringLiteral("YAPGEREK.DB"));
        table.open();
        table.insert();
        table.fieldByName(QStringLiteral("ADI"))->setAsString(QStringLiteral("Çağlayan"));
        QCOMPARE(table.fieldByName(QStringLiteral("ADI"))->asString(), QStringLiteral("Çağla"));
        table.post();
        QCOMPARE(
            fx.query(QStringLiteral("YAPGEREK.DB"), QStringLiteral("SELECT ADI FROM YAPGEREK WHERE NO=4")),
            QStringList{"Çağla"});
    }

    void autoincrementIsAssignedWhenFirstStored()
    {
        ClinicFixture fx;
        Table table;
        fx.setUp(table, QStringLiteral("YAPGEREK.DB"));
        table.open();
        table.last();
        table.deleteRecord();
        table.append();
        QVERIFY(table.fieldByName(QStringLiteral("NO"))->isNull());
        QVERIFY(errorOf([&] {
                    table.fieldByName(QStringLiteral("NO"))->setAsString(QStringLiteral("9"));
                }).contains(QStringLiteral("cannot be modified")));
        table.fieldByName(QStringLiteral("ADI"))->setAsString(QStringLiteral("d"));
        table.post();
        // A deleted number is never given out again.
        QCOMPARE(table.fieldByName(QStringLiteral("NO"))->asString(), QStringLiteral("4"));
    }

    void typedValuesAreCheckedAndNormalised()
    {
        ClinicFixture fx;
        Table table;
        fx.setUp(table, QStringLiteral("YAPGEREK.DB"));
        table.open();
        table.insert();
        auto* pno = table.fieldByName(QStringLiteral("PNO"));
        auto* date = table.fieldByName(QStringLiteral("TARIH"));
        QVERIFY(errorOf([&] {
                    pno->setAsString(QStringLiteral("abc"));
                }).contains(QStringLiteral("'abc' is not a valid")));
        pno->setAsString(QStringLiteral("7.0"));
        QCOMPARE(pno->asString(), QStringLiteral("7"));
        date->setAsString(QStringLiteral("2026-12-11"));
        QCOMPARE(date->asString(), QStringLiteral("2026-12-11"));
        QCOMPARE(date->asDateTime().date(), QDate(2026, 12, 11));
        date->setAsDateTime(QDateTime(QDate(2026, 1, 2), QTime(9, 30)));
        QCOMPARE(date->asString(), QStringLiteral("2026-01-02T09:30:00"));
        QVERIFY(errorOf([&] {
                    date->setAsString(QStringLiteral("soon"));
                }).contains(QStringLiteral("not a valid date")));
        date->setAsString(QString());
        QVERIFY(date->isNull());
        table.post();
        QCOMPARE(fx.query(QStringLiteral("YAPGEREK.DB"),
                          QStringLiteral("SELECT typeof(PNO), PNO, typeof(TARIH) FROM YAPGEREK WHERE NO=4")),
                 QStringList{"real|7.0|null"});
    }

    void detailFollowsItsMaster()
    {
        ClinicFixture fx;
        Table patients;
        fx.setUp(patients, QStringLiteral("HASTA.DB"));
        DataSource patientSource;
        patientSource.setDataSet(&patients);
        Table exams;
        fx.setUp(exams, QStringLiteral("YAPGEREK.DB"));
        exams.setIndexName(QStringLiteral("pn1"));
        exams.setMasterSource(&patientSource);
        exams.setMasterFields(QStringLiteral("PNO"));
        patients.open();
        exams.open();
        QCOMPARE(column(exams, QStringLiteral("ADI")), QStringList{"a"});

        QSignalSpy examRecords(&exams, &Table::recordsChanged);
        patients.next();
        QCOMPARE(column(exams, QStringLiteral("ADI")), QStringList({"b", "c"}));
        QVERIFY(examRecords.count() >= 1);
        patients.next();
        QVERIFY(exams.isEmpty());

        // Without its master the detail holds every record, in index order.
        patients.close();
        QCOMPARE(column(exams, QStringLiteral("ADI")), QStringList({"a", "b", "c"}));
        patients.open();
        QCOMPARE(column(exams, QStringLiteral("ADI")), QStringList{"a"});
    }

    void startedDetailRecordCarriesTheMasterKey()
    {
        ClinicFixture fx;
        Table patients;
        fx.setUp(patients, QStringLiteral("HASTA.DB"));
        DataSource patientSource;
        patientSource.setDataSet(&patients);
        Table exams;
        fx.setUp(exams, QStringLiteral("YAPGEREK.DB"));
        exams.setIndexName(QStringLiteral("pn1"));
        exams.setMasterSource(&patientSource);
        exams.setMasterFields(QStringLiteral("PNO"));
        patients.open();
        exams.open();
        patients.last();
        exams.edit(); // no examinations: starts an insert
        QCOMPARE(exams.state(), DataSetState::Insert);
        QCOMPARE(exams.fieldByName(QStringLiteral("PNO"))->asString(), QStringLiteral("3"));

        // Only the key was set: moving the master drops the record.
        patients.prior();
        QCOMPARE(exams.state(), DataSetState::Browse);
        QCOMPARE(fx.query(QStringLiteral("YAPGEREK.DB"), QStringLiteral("SELECT count(*) FROM YAPGEREK")),
                 QStringList{"3"});

        // Written after it started: moving the master stores it under the old patient.
        exams.insert();
        exams.fieldByName(QStringLiteral("ADI"))->setAsString(QStringLiteral("d"));
        patients.first();
        QCOMPARE(exams.state(), DataSetState::Browse);
        QCOMPARE(
            fx.query(QStringLiteral("YAPGEREK.DB"), QStringLiteral("SELECT PNO FROM YAPGEREK WHERE ADI='d'")),
            QStringList{"2.0"});
        patients.next();
        QCOMPARE(column(exams, QStringLiteral("ADI")), QStringList({"b", "c", "d"}));

        // Closing the master settles too, and the stored record takes its place in index order.
        exams.insert();
        exams.fieldByName(QStringLiteral("ADI"))->setAsString(QStringLiteral("e"));
        patients.close();
        QCOMPARE(exams.state(), DataSetState::Browse);
        QCOMPARE(column(exams, QStringLiteral("ADI")), QStringList({"a", "b", "c", "d", "e"}));
    }

    void tablesAndSourcesMayGoInAnyOrder()
    {
        ClinicFixture fx;
        auto patients = std::make_unique<Table>();
        fx.setUp(*patients, QStringLiteral("HASTA.DB"));
        auto patientSource = std::make_unique<DataSource>();
        patientSource->setDataSet(patients.get());
        auto exams = std::make_unique<Table>();
        fx.setUp(*exams, QStringLiteral("YAPGEREK.DB"));
        exams->setIndexName(QStringLiteral("pn1"));
        exams->setMasterSource(patientSource.get());
        exams->setMasterFields(QStringLiteral("PNO"));
        auto examSource = std::make_unique<DataSource>();
        examSource->setDataSet(exams.get());
        patients->open();
        exams->open();
        exams->insert();
        exams->fieldByName(QStringLiteral("ADI"))->setAsString(QStringLiteral("q"));
        // The master goes first: the detail settles, then follows to all records.
        patients.reset();
        QCOMPARE(exams->state(), DataSetState::Browse);
        QCOMPARE(exams->recordCount(), 4);
        patientSource.reset();
        QCOMPARE(examSource->dataSet(), exams.get());
        exams.reset();
        QCOMPARE(examSource->dataSet(), nullptr);
        QCOMPARE(
            fx.query(QStringLiteral("YAPGEREK.DB"), QStringLiteral("SELECT PNO FROM YAPGEREK WHERE ADI='q'")),
            QStringList{"1.0"});
    }

    void missingIndexFailsTheOpening()
    {
        ClinicFixture fx;
        Table exams;
        fx.setUp(exams, QStringLiteral("YAPGEREK.DB"));
        exams.setIndexName(QStringLiteral("pn2"));
        const QString message = errorOf([&] { exams.open(); });
        QVERIFY2(message.contains(QStringLiteral("index 'pn2'")) &&
                     message.contains(QStringLiteral("'dorhasta'")) &&
                     message.contains(QStringLiteral("'YAPGEREK.DB'")),
                 qPrintable(message));
        QVERIFY(!exams.active());
    }

    void keyViolationKeepsTheRecordPending()
    {
        ClinicFixture fx;
        fx.run(QStringLiteral("YAPGEREK.DB"), QStringLiteral("CREATE UNIQUE INDEX adi ON YAPGEREK (ADI)"));
        Table table;
        fx.setUp(table, QStringLiteral("YAPGEREK.DB"));
        table.open();
        table.insert();
        table.fieldByName(QStringLiteral("ADI"))->setAsString(QStringLiteral("a"));
        const QString message = errorOf([&] { table.post(); });
        QVERIFY2(message.contains(QStringLiteral("key violation")) &&
                     message.contains(QStringLiteral("YAPGEREK.DB")),
                 qPrintable(message));
        QCOMPARE(table.state(), DataSetState::Insert);
        QCOMPARE(table.fieldByName(QStringLiteral("ADI"))->asString(), QStringLiteral("a"));
        table.fieldByName(QStringLiteral("ADI"))->setAsString(QStringLiteral("z"));
        table.post();
        QCOMPARE(table.state(), DataSetState::Browse);
        QCOMPARE(table.recordCount(), 4);
    }

    void lockedDatabaseGivesAClearErrorAndKeepsTheRecord()
    {
        ClinicFixture fx;
        Table table;
        fx.setUp(table, QStringLiteral("YAPGEREK.DB"));
        table.open();
        table.insert();
        table.fieldByName(QStringLiteral("ADI"))->setAsString(QStringLiteral("l"));

        QProcess locker;
        locker.start(QStringLiteral(DB_WRITER_HELPER), {QStringLiteral("lock"), fx.path()});
        QVERIFY(locker.waitForReadyRead(10000));
        QCOMPARE(locker.readLine().trimmed(), QByteArray("locked"));
        QElapsedTimer timer;
        timer.start();
        const QString message = errorOf([&] { table.post(); });
        QVERIFY2(message.contains(QStringLiteral("locked by another program")), qPrintable(message));
        QVERIFY(timer.elapsed() < 5000);
        QCOMPARE(table.state(), DataSetState::Insert);
        QCOMPARE(table.recordCount(), 4);

        locker.closeWriteChannel();
        QVERIFY(locker.waitForFinished(10000));
        table.post();
        QCOMPARE(table.state(), DataSetState::Browse);
        QCOMPARE(
            fx.query(QStringLiteral("YAPGEREK.DB"), QStringLiteral("SELECT ADI FROM YAPGEREK WHERE NO=4")),
            QStringList{"l"});
    }

    void readOnlyFileGivesAClearErrorAndKeepsTheRecord()
    {
        ClinicFixture fx;
        fx.run(QStringLiteral("YAPGEREK.DB"), QStringLiteral("PRAGMA journal_mode=DELETE"));
        const QString file = fx.filePath(QStringLiteral("YAPGEREK.DB"));
        QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                                QFileDevice::ReadOther));
        if (::access(QFile::encodeName(file).constData(), W_OK) == 0) {
            // Permissions do not bind root: the helper drops to user nobody and tries there.
            QVERIFY(QFile::setPermissions(fx.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                         QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                         QFileDevice::ExeOther));
            QProcess helper;
            helper.start(QStringLiteral(DB_WRITER_HELPER), {QStringLiteral("readonly"), fx.path()});
            QVERIFY(helper.waitForFinished(10000));
            if (helper.exitCode() == 3)
                QSKIP("cannot drop to user nobody");
            const QString output = QString::fromUtf8(helper.readAllStandardOutput());
            QCOMPARE(helper.exitCode(), 0);
            QVERIFY2(output.contains(QStringLiteral("cannot be written")) &&
                         output.contains(QStringLiteral("\npending")),
                     qPrintable(output));
            return;
        }
        Table table;
        fx.setUp(table, QStringLiteral("YAPGEREK.DB"));
        table.open();
        table.insert();
        table.fieldByName(QStringLiteral("ADI"))->setAsString(QStringLiteral("r"));
        const QString message = errorOf([&] { table.post(); });
        QVERIFY2(message.contains(QStringLiteral("cannot be written")), qPrintable(message));
        QCOMPARE(table.state(), DataSetState::Insert);
        QVERIFY(errorOf([&] { table.first(); }).contains(QStringLiteral("cannot be written")));
        table.cancel();
        QCOMPARE(table.recordCount(), 3);
    }

    void closingStoresAWrittenRecord()
    {
        ClinicFixture fx;
        {
            Table table;
            fx.setUp(table, QStringLiteral("YAPGEREK.DB"));
            table.open();
            table.append();
            table.fieldByName(QStringLiteral("ADI"))->setAsString(QStringLiteral("k"));
            table.close();
            QVERIFY(!table.active());
        }
        QCOMPARE(
            fx.query(QStringLiteral("YAPGEREK.DB"), QStringLiteral("SELECT ADI FROM YAPGEREK WHERE NO=4")),
            QStringList{"k"});
    }
};

QTEST_GUILESS_MAIN(TestTableWriting)
#include "test_TableWriting.moc"
