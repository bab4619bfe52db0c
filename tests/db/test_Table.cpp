#include "DataLink.h"
#include "DataSource.h"
#include "EDatabaseError.h"
#include "SqlFixture.h"
#include "Table.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

using velorin::EDatabaseError;
using velorin::db::DataLink;
using velorin::db::DataSource;
using velorin::db::FieldType;
using velorin::db::FilterRecordHook;
using velorin::db::Table;

namespace {

QString errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EDatabaseError& e) {
        return e.message();
    }
    return {};
}

QStringList headwords(Table& table)
{
    QStringList words;
    for (int row = 0; row < table.recordCount(); ++row)
        words << table.valueAt(row, 0).toString();
    return words;
}

class ThrowingLink : public DataLink
{
public:
    void bindFields() override
    {
        ++binds;
        if (fail)
            throw EDatabaseError(QStringLiteral("memo: Field 'Tarih' not found"));
    }
    void unbindFields() override { ++unbinds; }
    bool fail = true;
    int binds = 0;
    int unbinds = 0;
};

enum class FilterAction
{
    FlagOn,
    FlagOff,
    ReplaceHook,
    OpenWithFlagOn
};

} // namespace

Q_DECLARE_METATYPE(FilterAction)

class TestTable : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fieldsComeInTableOrderWithTheirTypes()
    {
        SqlFixture fx;
        fx.run(
            QStringLiteral("YAPGEREK.DB"),
            QStringLiteral(
                "CREATE TABLE YAPGEREK (NO INTEGER PRIMARY KEY AUTOINCREMENT, PNO DOUBLE, ADI VARCHAR(25),"
                " TARIH TIMESTAMP, NOTE TEXT, N INTEGER);"
                "INSERT INTO YAPGEREK (PNO, ADI, TARIH, NOTE, N) VALUES (12, 'Ayşe', '2026-12-11', NULL, 7);"
                "INSERT INTO YAPGEREK (PNO, ADI) VALUES (1.5, NULL);"));
        Table table;
        table.setAliases(fx.aliases());
        table.setDatabaseName(QStringLiteral("test"));
        table.setTableName(QStringLiteral("YAPGEREK.DB"));
        table.open();
        QCOMPARE(table.fieldNames(), QStringList({"NO", "PNO", "ADI", "TARIH", "NOTE", "N"}));
        const QList<FieldType> types{FieldType::AutoIncrement, FieldType::Number, FieldType::Text,
                                     FieldType::DateTime,      FieldType::Memo,   FieldType::Integer};
        for (int i = 0; i < table.fieldCount(); ++i)
            QCOMPARE(table.field(i)->dataType(), types[i]);
        QCOMPARE(table.field(2)->size(), 25);
        QCOMPARE(table.field(1)->size(), 0);
        QVERIFY(table.field(4)->isBlob());
        QVERIFY(table.field(3)->isDateTime());

        QCOMPARE(table.fieldByName(QStringLiteral("NO"))->asString(), QStringLiteral("1"));
        QCOMPARE(table.fieldByName(QStringLiteral("PNO"))->asString(), QStringLiteral("12"));
        QCOMPARE(table.fieldByName(QStringLiteral("ADI"))->asString(), QStringLiteral("Ayşe"));
        QVERIFY(table.fieldByName(QStringLiteral("NOTE"))->isNull());
        QCOMPARE(table.fieldByName(QStringLiteral("NOTE"))->asString(), QString());
        table.next();
        QCOMPARE(table.fieldByName(QStringLiteral("PNO"))->asString(), QStringLiteral("1.5"));
        QVERIFY(table.fieldByName(QStringLiteral("ADI"))->isNull());
    }

    void fieldLookupIgnoresLetterCase()
    {
        SqlFixture fx;
        fx.run(QStringLiteral("esptoeng.db"),
               QStringLiteral("CREATE TABLE esptoeng (ESP VARCHAR(20), Eng TEXT); INSERT INTO esptoeng "
                              "VALUES ('casa', 'house');"));
        Table table;
        table.setAliases(fx.aliases());
        table.setDatabaseName(QStringLiteral("test"));
        table.setTableName(QStringLiteral("esptoeng.db"));
        table.open();
        QCOMPARE(table.findField(QStringLiteral("esp")), table.field(0));
        QCOMPARE(table.fieldByName(QStringLiteral("Esp"))->asString(), QStringLiteral("casa"));
        QCOMPARE(table.fieldByName(QStringLiteral("ENG"))->fieldName(), QStringLiteral("Eng"));
        QCOMPARE(table.findField(QStringLiteral("Tarih")), nullptr);
        QCOMPARE(errorOf([&] { table.fieldByName(QStringLiteral("Tarih")); }),
                 QStringLiteral("Field 'Tarih' not found"));
    }

    void navigationAndBeginEndFlags()
    {
        SqlFixture fx;
        fx.dictionary(QStringLiteral("d.db"), {"uno", "dos", "tres"});
        Table table;
        table.setAliases(fx.aliases());
        table.setDatabaseName(QStringLiteral("test"));
        table.setTableName(QStringLiteral("d.db"));
        DataSource source;
        source.setDataSet(&table);
        QSignalSpy current(&source, &DataSource::currentChanged);
        table.open();
        auto at = [&] { return table.fieldByName(QStringLiteral("Esp"))->asString(); };
        QCOMPARE(at(), QStringLiteral("uno"));
        QVERIFY(table.bof());
        QVERIFY(!table.eof());
        current.clear();
        table.next();
        QCOMPARE(at(), QStringLiteral("dos"));
        QVERIFY(!table.bof() && !table.eof());
        QCOMPARE(current.count(), 1);
        table.last();
        QCOMPARE(at(), QStringLiteral("tres"));
        QVERIFY(table.eof());
        table.next();
        QCOMPARE(at(), QStringLiteral("tres"));
        QCOMPARE(current.count(), 2);
        table.prior();
        table.prior();
        QCOMPARE(at(), QStringLiteral("uno"));
        QVERIFY(table.bof());
        table.moveToRow(2);
        QCOMPARE(table.currentRow(), 2);
        QCOMPARE(table.valueAt(1, 1).toString(), QStringLiteral("tr dos"));
        QCOMPARE(table.recordCount(), 3);
    }

    void emptyTableOpens()
    {
        SqlFixture fx;
        fx.dictionary(QStringLiteral("d.db"), {});
        Table table;
        table.setAliases(fx.aliases());
        table.setDatabaseName(QStringLiteral("test"));
        table.setTableName(QStringLiteral("d.db"));
        table.open();
        QVERIFY(table.active());
        QVERIFY(table.isEmpty());
        QVERIFY(table.bof() && table.eof());
        QCOMPARE(table.recordCount(), 0);
        QCOMPARE(table.currentRow(), -1);
        table.next();
        table.last();
        QCOMPARE(table.fieldByName(QStringLiteral("Eng"))->asString(), QString());
        QVERIFY(table.fieldByName(QStringLiteral("Eng"))->isNull());
    }

    void filterFlagRules_data()
    {
        QTest::addColumn<bool>("flagBefore");
        QTest::addColumn<int>("rowBefore");
        QTest::addColumn<FilterAction>("action");
        QTest::addColumn<bool>("flagArgument");
        QTest::addColumn<QStringList>("visibleAfter");
        QTest::addColumn<int>("rowAfter");
        QTest::addColumn<int>("hookCalls");

        const QStringList all{"ab", "b", "ac", "ad"};
        const QStringList withA{"ab", "ac", "ad"};
        const QStringList withAc{"ac"};
        QTest::newRow("on from off tests every record")
            << false << 2 << FilterAction::FlagOn << true << withA << 0 << 4;
        QTest::newRow("on while on re-runs from the start")
            << true << 2 << FilterAction::FlagOn << true << withA << 0 << 4;
        QTest::newRow("off from on shows all at the first")
            << true << 2 << FilterAction::FlagOff << false << all << 0 << 0;
        QTest::newRow("off while off still goes to the first")
            << false << 3 << FilterAction::FlagOff << false << all << 0 << 0;
        QTest::newRow("new hook while on re-runs")
            << true << 1 << FilterAction::ReplaceHook << true << withAc << 0 << 4;
        QTest::newRow("new hook while off changes nothing")
            << false << 3 << FilterAction::ReplaceHook << false << all << 3 << 0;
        QTest::newRow("flag set before opening filters at open")
            << true << 0 << FilterAction::OpenWithFlagOn << true << withA << 0 << 4;
    }

    void filterFlagRules()
    {
        QFETCH(bool, flagBefore);
        QFETCH(int, rowBefore);
        QFETCH(FilterAction, action);
        QFETCH(bool, flagArgument);
        QFETCH(QStringList, visibleAfter);
        QFETCH(int, rowAfter);
        QFETCH(int, hookCalls);

        SqlFixture fx;
        fx.dictionary(QStringLiteral("d.db"), {"ab", "b", "ac", "ad"});
        Table table;
        table.setAliases(fx.aliases());
        table.setDatabaseName(QStringLiteral("test"));
        table.setTableName(QStringLiteral("d.db"));
        int calls = 0;
        const QString name = QStringLiteral("esp");
        auto prefixHook = [&](const QString& prefix, const void* procedure) {
            FilterRecordHook hook;
            hook.callback = [&calls, &name, prefix](Table& t, bool& accept) {
                ++calls;
                QVERIFY(accept);
                accept = t.fieldByName(name)->asStringView().startsWith(prefix);
            };
            hook.procedure = procedure;
            return hook;
        };
        static const int procA = 0;
        static const int procAc = 0;
        table.setOnFilterRecord(prefixHook(QStringLiteral("a"), &procA));
        table.setFiltered(flagBefore);
        if (action != FilterAction::OpenWithFlagOn) {
            table.open();
            table.moveToRow(rowBefore);
        }
        calls = 0;
        DataSource source;
        source.setDataSet(&table);
        QSignalSpy current(&source, &DataSource::currentChanged);
        switch (action) {
        case FilterAction::FlagOn:
        case FilterAction::FlagOff:
            table.setFiltered(flagArgument);
            QVERIFY(current.count() >= 1);
            break;
        case FilterAction::ReplaceHook:
            table.setOnFilterRecord(prefixHook(QStringLiteral("ac"), &procAc));
            QVERIFY(table.onFilterRecord().sameProcedure(prefixHook({}, &procAc)));
            break;
        case FilterAction::OpenWithFlagOn:
            table.open();
            break;
        }
        QCOMPARE(table.filtered(), flagArgument);
        QCOMPARE(headwords(table), visibleAfter);
        QCOMPARE(table.currentRow(), rowAfter);
        QCOMPARE(calls, hookCalls);
        QCOMPARE(table.fieldByName(QStringLiteral("Esp"))->asString(), visibleAfter.value(rowAfter));
    }

    void filterOnWithoutHookPassesEverything()
    {
        SqlFixture fx;
        fx.dictionary(QStringLiteral("d.db"), {"x", "y"});
        Table table;
        table.setAliases(fx.aliases());
        table.setDatabaseName(QStringLiteral("test"));
        table.setTableName(QStringLiteral("d.db"));
        table.setFiltered(true);
        table.open();
        QCOMPARE(table.recordCount(), 2);
    }

    void filterRejectingAllLeavesNoRecord()
    {
        SqlFixture fx;
        fx.dictionary(QStringLiteral("d.db"), {"x", "y"});
        Table table;
        table.setAliases(fx.aliases());
        table.setDatabaseName(QStringLiteral("test"));
        table.setTableName(QStringLiteral("d.db"));
        table.open();
        FilterRecordHook none;
        none.callback = [](Table&, bool& accept) { accept = false; };
        table.setOnFilterRecord(none);
        table.setFiltered(true);
        QCOMPARE(table.recordCount(), 0);
        QVERIFY(table.bof() && table.eof() && table.isEmpty());
        QCOMPARE(table.fieldByName(QStringLiteral("Esp"))->asString(), QString());
    }

    void openingErrorsNameAliasAndTable_data()
    {
        QTest::addColumn<QString>("alias");
        QTest::addColumn<QString>("tableName");
        QTest::addColumn<QString>("expected");
        QTest::newRow("unknown alias") << "nosuch"
                                       << "d.db"
                                       << "alias 'nosuch' is not configured";
        QTest::newRow("missing folder") << "gone"
                                        << "d.db"
                                        << "does not exist";
        QTest::newRow("missing file") << "test"
                                      << "missing.db"
                                      << "there is no file 'missing.db'";
        QTest::newRow("not a table") << "test"
                                     << "notes.db"
                                     << "is not a table";
        QTest::newRow("Paradox table") << "test"
                                       << "HASTA.DB"
                                       << "velorin-db import-paradox";
        QTest::newRow("no table of that name") << "test"
                                               << "other.db"
                                               << "no table named 'other'";
        QTest::newRow("folder as table") << "test"
                                         << "sub"
                                         << "is not a file";
    }

    void openingErrorsNameAliasAndTable()
    {
        QFETCH(QString, alias);
        QFETCH(QString, tableName);
        QFETCH(QString, expected);
        SqlFixture fx;
        {
            QFile notes(fx.filePath(QStringLiteral("notes.db")));
            QVERIFY(notes.open(QIODevice::WriteOnly));
            notes.write("just some words\n");
        }
        {
            // A Paradox 7 header: record size, header size 2048, file type 0, table size 2, version 12.
            QByteArray header(2048, '\0');
            header[0] = 0x40;
            header[3] = 0x08;
            header[5] = 0x02;
            header[0x39] = 0x0c;
            QFile paradox(fx.filePath(QStringLiteral("HASTA.DB")));
            QVERIFY(paradox.open(QIODevice::WriteOnly));
            paradox.write(header);
        }
        fx.run(QStringLiteral("other.db"), QStringLiteral("CREATE TABLE something (a TEXT);"));
        QVERIFY(QDir(fx.path()).mkdir(QStringLiteral("sub")));
        auto aliases = fx.aliases();
        aliases.add(QStringLiteral("gone"), fx.filePath(QStringLiteral("gone")));

        Table table;
        table.setAliases(aliases);
        table.setDatabaseName(alias);
        table.setTableName(tableName);
        const QString message = errorOf([&] { table.open(); });
        QVERIFY2(message.contains(expected), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("'%1'").arg(alias)), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("'%1'").arg(tableName)), qPrintable(message));
        QVERIFY(!table.active());
        QCOMPARE(table.fieldCount(), 0);
    }

    void failedBindingClosesTheTableAgain()
    {
        SqlFixture fx;
        fx.dictionary(QStringLiteral("d.db"), {"uno"});
        Table table;
        table.setAliases(fx.aliases());
        table.setDatabaseName(QStringLiteral("test"));
        table.setTableName(QStringLiteral("d.db"));
        DataSource source;
        source.setDataSet(&table);
        ThrowingLink link;
        source.addLink(&link);
        QSignalSpy active(&source, &DataSource::activeChanged);
        QCOMPARE(errorOf([&] { table.open(); }), QStringLiteral("memo: Field 'Tarih' not found"));
        QVERIFY(!table.active());
        QCOMPARE(link.binds, 1);
        QCOMPARE(link.unbinds, 1);
        QCOMPARE(active.count(), 0);

        link.fail = false;
        table.open();
        QVERIFY(table.active());
        QCOMPARE(active.count(), 1);
        QCOMPARE(active.at(0).at(0).toBool(), true);
        table.close();
        QCOMPARE(link.unbinds, 2);
        QCOMPARE(active.count(), 2);
        QCOMPARE(active.at(1).at(0).toBool(), false);
    }

    void openingAnOpenTableDoesNothing()
    {
        SqlFixture fx;
        fx.dictionary(QStringLiteral("d.db"), {"uno", "dos"});
        Table table;
        table.setAliases(fx.aliases());
        table.setDatabaseName(QStringLiteral("test"));
        table.setTableName(QStringLiteral("d.db"));
        table.open();
        table.next();
        QSignalSpy active(&table, &Table::activeChanged);
        table.open();
        QCOMPARE(table.currentRow(), 1);
        QCOMPARE(active.count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestTable)
#include "test_Table.moc"
