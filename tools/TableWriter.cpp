#include "TableWriter.h"

#include "ToolError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sqlite3.h>
#include <unistd.h>

namespace velorin::tools {

namespace {

QString quoted(const QString& identifier)
{
    QString text = identifier;
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

void removeWithCompanions(const QString& path)
{
    for (const QString& suffix :
         {QString(), QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(path + suffix);
}

} // namespace

TableWriter::TableWriter(const QString& targetPath, const QString& columns) : m_target(targetPath)
{
    const QFileInfo target(targetPath);
    if (!target.absoluteDir().exists())
        throw ToolError(QStringLiteral("%1: the folder does not exist").arg(target.absolutePath()));
    m_tableName = target.completeBaseName();
    if (m_tableName.isEmpty())
        throw ToolError(QStringLiteral("%1: a table file needs a name before its ending").arg(targetPath));
    m_temporary =
        target.absoluteDir().filePath(QStringLiteral(".%1.%2.tmp").arg(target.fileName()).arg(getpid()));
    removeWithCompanions(m_temporary);
    if (!m_db.open(m_temporary, db::SqliteConnection::Mode::ReadWriteCreate))
        fail(m_db.errorMessage());
    exec(QStringLiteral("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN"));
    exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(m_tableName), columns));
}

TableWriter::~TableWriter()
{
    if (!m_done) {
        m_insert.reset();
        m_db.close();
        removeWithCompanions(m_temporary);
    }
}

void TableWriter::fail(const QString& what) const
{
    throw ToolError(QStringLiteral("%1: %2").arg(m_target, what));
}

void TableWriter::exec(const QString& sql)
{
    if (!m_db.exec(sql))
        fail(m_db.errorMessage());
}

db::SqliteStatement& TableWriter::insert(const QString& columnNames, int count)
{
    QStringList marks;
    for (int i = 1; i <= count; ++i)
        marks << QStringLiteral("?%1").arg(i);
    m_insert = std::make_unique<db::SqliteStatement>(
        m_db.handle(), QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                           .arg(quoted(m_tableName), columnNames, marks.join(',')));
    if (!m_insert->statement())
        fail(m_db.errorMessage());
    return *m_insert;
}

void TableWriter::insertRow()
{
    if (m_insert->step() != SQLITE_DONE)
        fail(m_db.errorMessage());
    m_insert->reset();
}

void TableWriter::commit(Journal journal)
{
    m_insert.reset();
    exec(QStringLiteral("COMMIT"));
    // The finished file must be durable before it takes the target's name.
    exec(QStringLiteral("PRAGMA synchronous=FULL"));
    exec(journal == Journal::Wal ? QStringLiteral("PRAGMA journal_mode=WAL")
                                 : QStringLiteral("PRAGMA journal_mode=DELETE"));
    m_db.close();
    if (FILE* f = std::fopen(QFile::encodeName(m_temporary).constData(), "rb+")) {
        fsync(fileno(f));
        std::fclose(f);
    }
    // Companion files of a table that was there before belong to that table, not this one.
    for (const QString& suffix : {QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(m_target + suffix);
    if (std::rename(QFile::encodeName(m_temporary).constData(), QFile::encodeName(m_target).constData()) != 0)
        fail(QStringLiteral("cannot put the new table in place: %1")
                 .arg(QString::fromLocal8Bit(std::strerror(errno))));
    m_done = true;
}

} // namespace velorin::tools
