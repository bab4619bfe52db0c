#pragma once

#include "Aliases.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <sqlite3.h>
#include <stdexcept>
#include <string>

// Small table files for engine tests: a temporary alias folder and SQL run against a file in it.
class SqlFixture
{
public:
    SqlFixture()
    {
        if (!m_dir.isValid())
            throw std::runtime_error("no temporary folder");
    }

    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    velorin::db::Aliases aliases(const QString& alias = QStringLiteral("test")) const
    {
        velorin::db::Aliases result;
        result.add(alias, m_dir.path());
        return result;
    }

    // Runs the statements on the named file, creating it when needed.
    void run(const QString& fileName, const QString& sql) const { runSql(filePath(fileName), sql); }

    // Runs the statements on the file at `path`, creating it when needed.
    static void runSql(const QString& path, const QString& sql)
    {
        sqlite3* db = nullptr;
        if (sqlite3_open(path.toUtf8().constData(), &db) != SQLITE_OK)
            throw std::runtime_error("cannot open fixture file");
        char* error = nullptr;
        const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error);
        const std::string message = error ? error : "";
        sqlite3_free(error);
        sqlite3_close(db);
        if (rc != SQLITE_OK)
            throw std::runtime_error("fixture SQL failed: " + message);
    }

    // A dictionary table of headword Esp and translation Eng with the given headwords.
    void dictionary(const QString& fileName, const QStringList& headwords) const
    {
        QString sql = QStringLiteral("CREATE TABLE \"%1\" (Esp VARCHAR(40), Eng TEXT);").arg(stem(fileName));
        for (const QString& word : headwords) {
            QString escaped = word;
            escaped.replace(QLatin1Char('\''), QStringLiteral("''"));
            sql += QStringLiteral("INSERT INTO \"%1\" VALUES ('%2', 'tr %2');").arg(stem(fileName), escaped);
        }
        run(fileName, sql);
    }

    static QString stem(const QString& fileName) { return fileName.section(QLatin1Char('.'), 0, -2); }

private:
    QTemporaryDir m_dir;
};
