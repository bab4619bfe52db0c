#pragma once

#include "Aliases.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>
#include <sqlite3.h>
#include <stdexcept>
#include <vector>

// A temporary alias folder with small table files written through the sqlite3 C API, and
// an aliases INI file that names it.
class TableFolder
{
public:
    TableFolder()
    {
        if (!m_dir.isValid())
            throw std::runtime_error("no temporary folder");
        QDir(m_dir.path()).mkdir(QStringLiteral("tables"));
    }

    QString path() const { return m_dir.filePath(QStringLiteral("tables")); }
    QString filePath(const QString& name) const { return QDir(path()).filePath(name); }

    velorin::db::Aliases aliases(const QString& alias = QStringLiteral("espanol")) const
    {
        velorin::db::Aliases result;
        result.add(alias, path());
        return result;
    }

    // Writes an INI file defining `alias` and returns its path (for VELORIN_ALIASES).
    QString aliasesIni(const QString& alias = QStringLiteral("espanol")) const
    {
        const QString ini = m_dir.filePath(QStringLiteral("aliases.ini"));
        QFile f(ini);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw std::runtime_error("cannot write aliases.ini");
        QTextStream(&f) << "[" << alias << "]\npath=tables\n";
        return ini;
    }

    // Creates `fileName` holding one table named after its stem with the given column
    // declarations ("Esp VARCHAR(40)", ...) and rows of values (an empty QString is NULL).
    void table(const QString& fileName, const QStringList& columns,
               const std::vector<QStringList>& rows) const
    {
        sqlite3* db = nullptr;
        if (sqlite3_open(filePath(fileName).toUtf8().constData(), &db) != SQLITE_OK)
            throw std::runtime_error("cannot open fixture file");
        const QString stem = fileName.section(QLatin1Char('.'), 0, -2);
        exec(db, QStringLiteral("CREATE TABLE \"%1\" (%2)").arg(stem, columns.join(QStringLiteral(", "))));
        exec(db, QStringLiteral("BEGIN"));
        QStringList marks;
        for (int i = 0; i < columns.size(); ++i)
            marks << QStringLiteral("?");
        const QByteArray insert =
            QStringLiteral("INSERT INTO \"%1\" VALUES (%2)").arg(stem, marks.join(QLatin1Char(','))).toUtf8();
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, insert.constData(), -1, &st, nullptr) != SQLITE_OK)
            fail(db, "prepare");
        for (const QStringList& row : rows) {
            sqlite3_reset(st);
            for (int i = 0; i < row.size(); ++i) {
                if (row[i].isNull()) {
                    sqlite3_bind_null(st, i + 1);
                } else {
                    const QByteArray utf8 = row[i].toUtf8();
                    sqlite3_bind_text(st, i + 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
                }
            }
            if (sqlite3_step(st) != SQLITE_DONE)
                fail(db, "insert");
        }
        sqlite3_finalize(st);
        exec(db, QStringLiteral("COMMIT"));
        sqlite3_close(db);
    }

    // A dictionary table of headword and translation.
    void dictionary(const QString& fileName, const QString& headword, const QString& translation,
                    const std::vector<std::pair<QString, QString>>& entries) const
    {
        std::vector<QStringList> rows;
        for (const auto& [word, meaning] : entries)
            rows.push_back({word, meaning});
        table(fileName, {headword + QStringLiteral(" VARCHAR(60)"), translation + QStringLiteral(" TEXT")},
              rows);
    }

private:
    static void exec(sqlite3* db, const QString& sql)
    {
        char* error = nullptr;
        if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
            const std::string message = error ? error : "";
            sqlite3_free(error);
            sqlite3_close(db);
            throw std::runtime_error("fixture SQL failed: " + message);
        }
    }
    [[noreturn]] static void fail(sqlite3* db, const char* what)
    {
        const std::string message = std::string(what) + ": " + sqlite3_errmsg(db);
        sqlite3_close(db);
        throw std::runtime_error(message);
    }

    QTemporaryDir m_dir;
};
