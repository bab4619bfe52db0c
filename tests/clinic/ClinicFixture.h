#pragma once

#include "ClinicGenerator.h"
#include "SqlFixture.h"
#include "Table.h"

#include <QDir>
#include <QFile>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QTextStream>
#include <sqlite3.h>
#include <stdexcept>
#include <string>

// Empty clinic tables made by the data tool in a temporary folder, reached through the alias
// dorhasta of an aliases file that VELORIN_ALIASES points at, and SQL to fill or damage them.
class ClinicFixture
{
public:
    ClinicFixture()
    {
        if (!m_dir.isValid())
            throw std::runtime_error("no temporary folder");
        QDir(m_dir.path()).mkdir(QStringLiteral("data"));
        velorin::tools::ClinicGenerator::create(m_dir.filePath(QStringLiteral("data")), 0);
        writeAliases(QStringLiteral("dorhasta"));
    }
    ~ClinicFixture() { qunsetenv("VELORIN_ALIASES"); }

    QString dataPath(const QString& file) const { return m_dir.filePath(QStringLiteral("data/") + file); }

    void writeAliases(const QString& alias) const
    {
        const QString ini = m_dir.filePath(QStringLiteral("aliases.ini"));
        QFile file(ini);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw std::runtime_error("cannot write aliases");
        QTextStream(&file) << "[" << alias << "]\npath=data\n";
        file.close();
        qputenv("VELORIN_ALIASES", ini.toLocal8Bit());
    }

    void run(const QString& file, const QString& sql) const { SqlFixture::runSql(dataPath(file), sql); }

    void addPatient(int no, int pno, const QString& name, const QString& surname) const
    {
        run(QStringLiteral("HASTA.DB"), QStringLiteral("INSERT INTO HASTA (NO, PNO, ADI, SOYADI, TARIHI) "
                                                       "VALUES (%1, %2, '%3', '%4', '2026-01-0%1T09:00:00');")
                                            .arg(no)
                                            .arg(pno)
                                            .arg(name, surname));
    }

    void addExamination(int pno, const QString& name, const QString& surname, const QString& date) const
    {
        run(QStringLiteral("YAPGEREK.DB"),
            QStringLiteral("INSERT INTO YAPGEREK (PNO, ADI, SOYADI, TARIH) VALUES (%1, '%2', '%3', %4);")
                .arg(pno)
                .arg(name, surname,
                     date.isEmpty() ? QStringLiteral("NULL") : QLatin1Char('\'') + date + QLatin1Char('\'')));
    }

    int count(const QString& file, const QString& where = QString()) const
    {
        sqlite3* db = nullptr;
        sqlite3_open(dataPath(file).toUtf8().constData(), &db);
        sqlite3_stmt* stmt = nullptr;
        const QString table = file.section(QLatin1Char('.'), 0, 0);
        const QString sql = QStringLiteral("SELECT COUNT(*) FROM %1%2")
                                .arg(table, where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where);
        sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr);
        const int result = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : -1;
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        return result;
    }

private:
    QTemporaryDir m_dir;
};

// The page's child of that type and name; a missing one ends the test run at once.
template <class W> W* child(const QObject& page, const char* name)
{
    W* w = page.findChild<W*>(QLatin1String(name));
    if (!w)
        qFatal("no child %s", name);
    return w;
}

// The current record's value of a field, as text.
inline QString field(velorin::db::Table* table, const char* name)
{
    return table->fieldByName(QLatin1String(name))->asString();
}
