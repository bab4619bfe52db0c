#pragma once

#include <QString>

struct sqlite3;

namespace velorin::db {

// One SQLite connection to a table file; closed when it goes out of scope.
class SqliteConnection
{
public:
    enum class Mode
    {
        ReadWrite,
        ReadWriteCreate
    };

    SqliteConnection() = default;
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    // Opens the file; false with errorMessage() set when SQLite refuses it. A file that
    // cannot be written is opened for reading only.
    bool open(const QString& path, Mode mode = Mode::ReadWrite);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    sqlite3* handle() const { return m_db; }

    // Runs statements that return no rows; false with errorMessage() set on failure.
    bool exec(const QString& sql);
    // The first column of the first row as text; empty when there is none or on failure.
    QString queryText(const QString& sql);

    QString errorMessage() const;
    int errorCode() const;

private:
    sqlite3* m_db = nullptr;
    QString m_openError;
};

} // namespace velorin::db
