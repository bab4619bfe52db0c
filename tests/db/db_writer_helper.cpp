// A second process for the engine tests.
//   post DIR  : posts examination records into DIR/YAPGEREK.DB for ever, printing each
//               record's NO once its post has returned.
//   readonly DIR : as user nobody, starts and posts a record in DIR/YAPGEREK.DB and prints
//               the error and whether the record stayed pending.
//   lock DIR  : holds an exclusive lock on DIR/YAPGEREK.DB, prints "locked" and waits
//               until its standard input closes.
#include "Aliases.h"
#include "Exception.h"
#include "Table.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <sqlite3.h>
#include <unistd.h>

using velorin::db::Table;

namespace {

int postForever(const QString& dir)
{
    velorin::db::Aliases aliases;
    aliases.add(QStringLiteral("crash"), dir);
    Table table;
    table.setAliases(aliases);
    table.setDatabaseName(QStringLiteral("crash"));
    table.setTableName(QStringLiteral("YAPGEREK.DB"));
    table.open();
    for (int i = 0;; ++i) {
        table.append();
        table.fieldByName(QStringLiteral("PNO"))->setAsString(QString::number(1 + i % 5));
        table.fieldByName(QStringLiteral("ADI"))->setAsString(QStringLiteral("Şükrü %1").arg(i));
        table.fieldByName(QStringLiteral("SIKAYETI"))->setAsString(QString(120, QChar(u'ğ')));
        table.post();
        const QByteArray line = table.fieldByName(QStringLiteral("NO"))->asString().toLatin1() + '\n';
        std::fwrite(line.constData(), 1, std::size_t(line.size()), stdout);
        std::fflush(stdout);
    }
}

int postAsNobody(const QString& dir)
{
    if (setgid(65534) != 0 || setuid(65534) != 0)
        return 3;
    velorin::db::Aliases aliases;
    aliases.add(QStringLiteral("ro"), dir);
    Table table;
    table.setAliases(aliases);
    table.setDatabaseName(QStringLiteral("ro"));
    table.setTableName(QStringLiteral("YAPGEREK.DB"));
    table.open();
    table.insert();
    table.fieldByName(QStringLiteral("ADI"))->setAsString(QStringLiteral("r"));
    try {
        table.post();
        std::puts("stored");
    } catch (const velorin::Exception& e) {
        std::puts(e.what());
    }
    std::puts(table.state() == velorin::db::DataSetState::Insert ? "pending" : "not pending");
    table.cancel();
    return 0;
}

int holdLock(const QString& dir)
{
    sqlite3* db = nullptr;
    if (sqlite3_open(QDir(dir).filePath(QStringLiteral("YAPGEREK.DB")).toUtf8().constData(), &db) !=
        SQLITE_OK)
        return 1;
    if (sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return 1;
    std::puts("locked");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3)
        return 2;
    if (args[1] == QLatin1String("post"))
        return postForever(args[2]);
    if (args[1] == QLatin1String("readonly"))
        return postAsNobody(args[2]);
    if (args[1] == QLatin1String("lock"))
        return holdLock(args[2]);
    return 2;
}
