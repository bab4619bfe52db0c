#pragma once

#include "Aliases.h"

#include <QString>
#include <QTemporaryDir>
#include <sqlite3.h>
#include <stdexcept>
#include <string>

// A temporary alias folder with table files made by SQL, for tests of bound controls.
class TableFixture
{
public:
    TableFixture()
    {
        if (!m_dir.isValid())
            throw std::runtime_error("no temporary folder");
    }

    velorin::db::Aliases aliases() const
    {
        velorin::db::Aliases result;
        result.add(QStringLiteral("test"), m_dir.path());
        return result;
    }

    void run(const QString& fileName, const QString& sql) const
    {
        sqlite3* db = nullptr;
        if (sqlite3_open(m_dir.filePath(fileName).toUtf8().constData(), &db) != SQLITE_OK)
            throw std::runtime_error("cannot open fixture file");
        char* error = nullptr;
        const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error);
        const std::string message = error ? error : "";
        sqlite3_free(error);
        sqlite3_close(db);
        if (rc != SQLITE_OK)
            throw std::runtime_error("fixture SQL failed: " + message);
    }

private:
    QTemporaryDir m_dir;
};
