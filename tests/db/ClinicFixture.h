#pragma once

#include "SqlFixture.h"
#include "Table.h"

#include <memory>

// A small patient table (HASTA.DB) and examination table (YAPGEREK.DB, index pn1 on PNO).
// Patients 1 and 2 have examinations, patient 3 has none.
class ClinicFixture : public SqlFixture
{
public:
    ClinicFixture()
    {
        run(QStringLiteral("HASTA.DB"), QStringLiteral("CREATE TABLE HASTA (NO INTEGER PRIMARY KEY, PNO "
                                                       "DOUBLE, ADI VARCHAR(25), SOYADI VARCHAR(25));"
                                                       "INSERT INTO HASTA VALUES (1, 1, 'Ayşe', 'Yılmaz');"
                                                       "INSERT INTO HASTA VALUES (2, 2, 'Ömer', 'Çelik');"
                                                       "INSERT INTO HASTA VALUES (3, 3, 'İpek', 'Şahin');"));
        run(QStringLiteral("YAPGEREK.DB"),
            QStringLiteral(
                "PRAGMA journal_mode=WAL;"
                "CREATE TABLE YAPGEREK (NO INTEGER PRIMARY KEY AUTOINCREMENT, ADI VARCHAR(5), PNO DOUBLE,"
                " SIKAYETI VARCHAR(150), TARIH TIMESTAMP);"
                "CREATE INDEX pn1 ON YAPGEREK (PNO);"
                "INSERT INTO YAPGEREK (ADI, PNO, SIKAYETI) VALUES ('b', 2, 'öksürük');"
                "INSERT INTO YAPGEREK (ADI, PNO, SIKAYETI) VALUES ('a', 1, 'baş ağrısı');"
                "INSERT INTO YAPGEREK (ADI, PNO, SIKAYETI) VALUES ('c', 2, 'ateş');"));
    }

    void setUp(velorin::db::Table& table, const QString& name) const
    {
        table.setAliases(aliases(QStringLiteral("dorhasta")));
        table.setDatabaseName(QStringLiteral("dorhasta"));
        table.setTableName(name);
    }

    // Runs a query on the file itself, not through the engine.
    QStringList query(const QString& fileName, const QString& sql) const
    {
        sqlite3* db = nullptr;
        sqlite3_open(filePath(fileName).toUtf8().constData(), &db);
        sqlite3_stmt* stmt = nullptr;
        QStringList rows;
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr) == SQLITE_OK) {
            while (sqlite3_step(stmt) == SQLITE_ROW) {
                QStringList values;
                for (int c = 0; c < sqlite3_column_count(stmt); ++c)
                    values << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)));
                rows << values.join(QLatin1Char('|'));
            }
        }
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        return rows;
    }
};
