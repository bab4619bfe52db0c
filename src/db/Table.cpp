#include "Table.h"

#include "DataLink.h"
#include "DataSource.h"
#include "EDatabaseError.h"
#include "SqliteStatement.h"
#include "TablePrivate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <cstring>
#include <sqlite3.h>

namespace velorin::db {

namespace {

QString quoted(const QString& identifier)
{
    QString text = identifier;
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString numberText(double value)
{
    QString text = QString::number(value, 'g', 15);
    const QString point = QLocale().decimalPoint();
    if (point != QStringLiteral("."))
        text.replace(QLatin1Char('.'), point);
    return text;
}

enum class FileFormat
{
    Missing,
    SQLite,
    Paradox,
    Unknown
};

quint16 le16(const unsigned char* p)
{
    return quint16(p[0] | (p[1] << 8));
}

// Paradox tables start with record size, header size, file type and table size settings
// whose values lie in narrow ranges; a file that fits all of them is taken for one.
bool looksLikeParadox(const QByteArray& head, qint64 fileSize)
{
    if (head.size() < 0x58)
        return false;
    const auto* p = reinterpret_cast<const unsigned char*>(head.constData());
    const quint16 recordSize = le16(p);
    const quint16 headerSize = le16(p + 2);
    const unsigned fileType = p[4];
    const unsigned maxTableSize = p[5];
    const unsigned version = p[0x39];
    const bool sizeOk = maxTableSize == 1 || maxTableSize == 2 || maxTableSize == 3 || maxTableSize == 4 ||
                        maxTableSize == 8 || maxTableSize == 16 || maxTableSize == 32;
    return recordSize > 0 && headerSize >= 0x58 && headerSize % 0x800 == 0 && headerSize <= fileSize &&
           fileType <= 8 && sizeOk && version >= 3 && version <= 12;
}

FileFormat formatOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileFormat::Missing;
    const QByteArray head = file.read(0x80);
    if (head.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return FileFormat::SQLite;
    if (looksLikeParadox(head, file.size()))
        return FileFormat::Paradox;
    return FileFormat::Unknown;
}

struct FieldKind
{
    FieldType type;
    int size;
};

std::optional<FieldKind> kindOf(const QString& declared, bool autoIncrement)
{
    const QString type = declared.trimmed().toUpper();
    if (type == QLatin1String("INTEGER") || type == QLatin1String("INT"))
        return FieldKind{autoIncrement ? FieldType::AutoIncrement : FieldType::Integer, 0};
    if (type == QLatin1String("DOUBLE") || type == QLatin1String("REAL") || type == QLatin1String("FLOAT") ||
        type == QLatin1String("NUMERIC"))
        return FieldKind{FieldType::Number, 0};
    if (type == QLatin1String("TIMESTAMP") || type == QLatin1String("DATETIME"))
        return FieldKind{FieldType::DateTime, 0};
    if (type == QLatin1String("TEXT") || type == QLatin1String("CLOB"))
        return FieldKind{FieldType::Memo, 0};
    for (const QLatin1String prefix : {QLatin1String("VARCHAR"), QLatin1String("CHAR")}) {
        if (!type.startsWith(prefix))
            continue;
        const QString rest = type.mid(prefix.size()).trimmed();
        if (rest.startsWith(QLatin1Char('(')) && rest.endsWith(QLatin1Char(')'))) {
            bool ok = false;
            const int size = rest.mid(1, rest.size() - 2).trimmed().toInt(&ok);
            if (ok && size > 0)
                return FieldKind{FieldType::Text, size};
        }
    }
    return std::nullopt;
}

} // namespace

// ---------------------------------------------------------------------------------------
// Private: opening and loading

QString Table::Private::context() const
{
    return QStringLiteral("table '%1' of alias '%2'").arg(q.m_tableName, q.m_databaseName);
}

void Table::Private::fail(const QString& reason) const
{
    throw EDatabaseError(QStringLiteral("Cannot open %1: %2").arg(context(), reason));
}

void Table::Private::openFile()
{
    if (q.m_databaseName.isEmpty())
        fail(QStringLiteral("no database alias is set"));
    if (q.m_tableName.isEmpty())
        fail(QStringLiteral("no table name is set"));
    if (!aliasesSet)
        aliases = Aliases::fromEnvironment();
    if (!aliases.contains(q.m_databaseName))
        fail(QStringLiteral("the database alias '%1' is not configured").arg(q.m_databaseName));
    const QString folder = aliases.directory(q.m_databaseName);
    if (!QFileInfo(folder).isDir())
        fail(QStringLiteral("the alias's folder '%1' does not exist").arg(folder));
    if (q.m_tableName.contains(QLatin1Char('/')) || q.m_tableName == QLatin1String("..") ||
        q.m_tableName == QLatin1String("."))
        fail(QStringLiteral("a table name names a file in the alias's folder"));
    filePath = QDir(folder).filePath(q.m_tableName);
    const QFileInfo info(filePath);
    if (!info.exists())
        fail(QStringLiteral("there is no file '%1' in '%2'").arg(q.m_tableName, folder));
    if (!info.isFile())
        fail(QStringLiteral("'%1' is not a file").arg(filePath));
    switch (formatOf(filePath)) {
    case FileFormat::Missing:
        fail(QStringLiteral("the file '%1' cannot be read").arg(filePath));
    case FileFormat::Paradox:
        throw EDatabaseError(
            QStringLiteral("Cannot open %1: it is a Paradox table, which this program reads only "
                           "after conversion; convert it with 'velorin-db import-paradox'")
                .arg(context()));
    case FileFormat::Unknown:
        fail(QStringLiteral("the file '%1' is not a table").arg(filePath));
    case FileFormat::SQLite:
        break;
    }
    if (!db.open(filePath))
        fail(db.errorMessage());
    sqlite3_busy_timeout(db.handle(), 500);
    sqlName = info.completeBaseName();
}

void Table::Private::readFields()
{
    SqliteStatement master(
        db.handle(), QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type='table' AND name=?1 "
                                    "COLLATE NOCASE"));
    if (!master.statement())
        fail(db.errorMessage());
    master.bindText(1, sqlName);
    const int rc = master.step();
    if (rc != SQLITE_ROW) {
        if (rc == SQLITE_DONE)
            fail(QStringLiteral("the file holds no table named '%1'").arg(sqlName));
        fail(db.errorMessage());
    }
    sqlName = master.columnText(0);
    const bool autoIncrement =
        master.columnText(1).contains(QLatin1String("AUTOINCREMENT"), Qt::CaseInsensitive);

    SqliteStatement info(db.handle(), QStringLiteral("PRAGMA table_info(%1)").arg(quoted(sqlName)));
    if (!info.statement())
        fail(db.errorMessage());
    while (info.step() == SQLITE_ROW) {
        const QString name = info.columnText(1);
        const QString declared = info.columnText(2);
        const bool primaryKey = info.columnInt64(5) != 0;
        const auto kind = kindOf(declared, autoIncrement && primaryKey);
        if (!kind)
            fail(QStringLiteral("the field '%1' has the type '%2', which is none of INTEGER, DOUBLE, "
                                "VARCHAR(n), TIMESTAMP, TEXT")
                     .arg(name, declared));
        fields.push_back(std::make_unique<Field>(q, int(fields.size()), name, kind->type, kind->size));
        declaredTypes.push_back(declared);
    }
    if (fields.empty())
        fail(QStringLiteral("the table '%1' has no fields").arg(sqlName));
}

void Table::Private::readIndex()
{
    indexFields.clear();
    linkField = -1;
    if (!q.m_indexName.isEmpty()) {
        SqliteStatement list(db.handle(), QStringLiteral("PRAGMA index_list(%1)").arg(quoted(sqlName)));
        QString found;
        while (list.statement() && list.step() == SQLITE_ROW) {
            const QString name = list.columnText(1);
            if (name.compare(q.m_indexName, Qt::CaseInsensitive) == 0)
                found = name;
        }
        if (found.isEmpty())
            fail(QStringLiteral("the table has no index '%1'").arg(q.m_indexName));
        SqliteStatement columnsOfIndex(db.handle(),
                                       QStringLiteral("PRAGMA index_info(%1)").arg(quoted(found)));
        while (columnsOfIndex.statement() && columnsOfIndex.step() == SQLITE_ROW) {
            const auto cid = columnsOfIndex.columnInt64(1);
            if (cid >= 0 && cid < std::int64_t(fields.size()))
                indexFields.push_back(int(cid));
        }
        if (indexFields.empty())
            fail(QStringLiteral("the index '%1' has no field of the table").arg(q.m_indexName));
    }
    if (!masterFields.isEmpty()) {
        if (!indexFields.empty()) {
            linkField = indexFields.front();
        } else {
            const Field* link = q.findField(masterFields);
            if (!link)
                fail(QStringLiteral("Field '%1' not found").arg(masterFields));
            linkField = link->index();
        }
    }
}

void Table::Private::loadRecords()
{
    QStringList select{QStringLiteral("rowid")};
    for (const auto& field : fields)
        select << quoted(field->fieldName());
    QStringList orderBy;
    for (int index : indexFields)
        orderBy << quoted(fields[std::size_t(index)]->fieldName());
    orderBy << QStringLiteral("rowid");

    // Sizing the buffers once from the file keeps the load free of repeated copying.
    std::size_t expected = 0;
    {
        SqliteStatement count(db.handle(), QStringLiteral("SELECT max(rowid) FROM %1").arg(quoted(sqlName)));
        if (count.statement() && count.step() == SQLITE_ROW)
            expected = std::size_t(std::clamp<std::int64_t>(count.columnInt64(0), 0, 50'000'000));
    }
    const auto fileBytes = std::size_t(QFileInfo(filePath).size());
    columns.clear();
    columns.resize(fields.size());
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const bool text =
            fields[i]->dataType() == FieldType::Text || fields[i]->dataType() == FieldType::Memo;
        columns[i].reserve(expected, text ? fileBytes / columns.size() : expected * 8);
    }
    rowids.reserve(expected);
    order.reserve(expected);

    db.exec(QStringLiteral("PRAGMA mmap_size=1073741824"));
    SqliteStatement rows(db.handle(), QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                                          .arg(select.join(QLatin1Char(',')), quoted(sqlName),
                                               orderBy.join(QLatin1Char(','))));
    if (!rows.statement())
        fail(db.errorMessage());
    sqlite3_stmt* stmt = rows.statement();
    const int fieldCount = int(fields.size());
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        rowids.push_back(sqlite3_column_int64(stmt, 0));
        for (int f = 0; f < fieldCount; ++f) {
            Column& column = columns[std::size_t(f)];
            const int c = f + 1;
            switch (sqlite3_column_type(stmt, c)) {
            case SQLITE_NULL:
                column.appendNull();
                break;
            case SQLITE_INTEGER:
                column.append(QString::number(sqlite3_column_int64(stmt, c)));
                break;
            case SQLITE_FLOAT:
                column.append(numberText(sqlite3_column_double(stmt, c)));
                break;
            default: {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
                column.appendUtf8(text, std::size_t(sqlite3_column_bytes(stmt, c)));
                break;
            }
            }
        }
    }
    if (rc != SQLITE_DONE)
        fail(db.errorMessage());
    order.resize(rowids.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = std::uint32_t(i);
    db.exec(QStringLiteral("PRAGMA mmap_size=0"));
}

void Table::Private::closeAll()
{
    const bool wasActive = active;
    active = false;
    state = DataSetState::Inactive;
    if (wasActive) {
        for (const QPointer<DataSource>& source : sources) {
            if (!source)
                continue;
            for (DataLink* link : source->links())
                link->unbindFields();
        }
    }
    q.m_lookupField = nullptr;
    q.m_lookupData = nullptr;
    q.m_lookupName.clear();
    fields.clear();
    declaredTypes.clear();
    columns.clear();
    columns.shrink_to_fit();
    rowids = {};
    order = {};
    visible = {};
    indexFields.clear();
    linkField = -1;
    cursor = -1;
    pending.clear();
    pendingWritten = false;
    insertRow = -1;
    testing = false;
    db.close();
}

// ---------------------------------------------------------------------------------------
// Private: records, rows and links

QStringView Table::Private::currentValue(int field) const
{
    const auto f = std::size_t(field);
    if (testing)
        return columns[f].value(testRecord);
    if (state == DataSetState::Edit || state == DataSetState::Insert) {
        const auto& value = pending[f];
        return value ? QStringView(*value) : QStringView();
    }
    if (cursor < 0)
        return {};
    return columns[f].value(visible[std::size_t(cursor)]);
}

bool Table::Private::currentIsNull(int field) const
{
    const auto f = std::size_t(field);
    if (testing)
        return columns[f].isNull(testRecord);
    if (state == DataSetState::Edit || state == DataSetState::Insert)
        return !pending[f].has_value();
    if (cursor < 0)
        return true;
    return columns[f].isNull(visible[std::size_t(cursor)]);
}

std::optional<QString> Table::Private::masterKey(bool* linked) const
{
    *linked = false;
    if (linkField < 0 || !master)
        return std::nullopt;
    Table* masterTable = master->dataSet();
    if (!masterTable || !masterTable->active())
        return std::nullopt;
    *linked = true;
    const Field* key = masterTable->findField(masterFields);
    if (!key || key->isNull())
        return std::nullopt;
    return key->asString();
}

bool Table::Private::linkMatches(std::uint32_t record, const QString& key) const
{
    const Column& column = columns[std::size_t(linkField)];
    if (column.isNull(record))
        return false;
    const QStringView value = column.value(record);
    if (value == key)
        return true;
    // Numbers written differently (12 and 12.0) are the same key.
    bool okValue = false;
    bool okKey = false;
    const double a = value.toDouble(&okValue);
    const double b = QStringView(key).toDouble(&okKey);
    return okValue && okKey && a == b;
}

void Table::Private::rebuildVisible()
{
    bool linked = false;
    const std::optional<QString> key = masterKey(&linked);
    const bool useHook = filtered && static_cast<bool>(hook);
    visible.clear();
    visible.reserve(order.size());
    struct PassGuard
    {
        Private& d;
        ~PassGuard()
        {
            d.testing = false;
            if (d.cursor >= int(d.visible.size()))
                d.cursor = d.visible.empty() ? -1 : 0;
        }
    } guard{*this};
    if (linked && !key)
        return;
    if (useHook && hook.prefixTest) {
        const std::optional<FilterRecordHook::PrefixTest> test = hook.prefixTest(q);
        if (test && test->fieldIndex >= 0 && std::size_t(test->fieldIndex) < columns.size()) {
            // The hook's own test run over the column: no call, no field setup per record.
            const Column& column = columns[std::size_t(test->fieldIndex)];
            const UpperPrefix& prefix = test->prefix;
            for (const std::uint32_t record : order) {
                if (prefix.begins(column.value(record)) && (!linked || linkMatches(record, *key)))
                    visible.push_back(record);
            }
            return;
        }
    }
    const std::size_t passFields = fields.size();
    for (const std::uint32_t record : order) {
        if (linked && !linkMatches(record, *key))
            continue;
        if (useHook) {
            testRecord = record;
            for (std::size_t f = 0; f < passFields; ++f)
                fields[f]->m_passValue = columns[f].value(record);
            testing = true;
            bool accept = true;
            hook.callback(q, accept);
            testing = false;
            if (!accept)
                continue;
        }
        visible.push_back(record);
    }
}

int Table::Private::rowCount() const
{
    return int(visible.size()) + (state == DataSetState::Insert ? 1 : 0);
}

int Table::Private::row() const
{
    return state == DataSetState::Insert ? insertRow : cursor;
}

std::int64_t Table::Private::recordAtRow(int r) const
{
    if (state == DataSetState::Insert) {
        if (r == insertRow)
            return -1;
        if (r > insertRow)
            --r;
    }
    return visible[std::size_t(r)];
}

std::vector<Table*> Table::Private::details() const
{
    std::vector<Table*> result;
    for (const QPointer<DataSource>& source : sources) {
        if (source) {
            const auto more = source->details();
            result.insert(result.end(), more.begin(), more.end());
        }
    }
    return result;
}

void Table::Private::settleDetails()
{
    for (Table* detail : details())
        detail->d->settle();
}

void Table::Private::followDetails()
{
    for (Table* detail : details())
        detail->d->followMaster();
}

void Table::Private::followMaster()
{
    if (!active)
        return;
    // Normally settled before the master moved; a record started while the master was closed settles here.
    settle();
    rebuildVisible();
    cursor = visible.empty() ? -1 : 0;
    Q_EMIT q.recordsChanged();
    Q_EMIT q.currentChanged();
    followDetails();
}

// ---------------------------------------------------------------------------------------
// Private: record states and writing

void Table::Private::requireActive() const
{
    if (!active)
        throw EDatabaseError(
            QStringLiteral("Cannot perform this operation on a closed dataset (%1)").arg(context()));
}

void Table::Private::startPending(DataSetState mode, int startRow)
{
    pending.assign(fields.size(), std::nullopt);
    pendingChanged.assign(fields.size(), false);
    pendingWritten = false;
    if (mode == DataSetState::Edit) {
        const std::uint32_t record = visible[std::size_t(cursor)];
        for (std::size_t f = 0; f < fields.size(); ++f) {
            if (!columns[f].isNull(record))
                pending[f] = columns[f].value(record).toString();
        }
        insertRow = -1;
    } else {
        insertRow = startRow;
        // The master's key goes in first; it does not count as written.
        bool linked = false;
        const std::optional<QString> key = masterKey(&linked);
        if (linked && key) {
            pending[std::size_t(linkField)] = *key;
            pendingChanged[std::size_t(linkField)] = true;
        }
    }
    state = mode;
    Q_EMIT q.stateChanged();
    if (mode == DataSetState::Insert)
        Q_EMIT q.recordsChanged();
    Q_EMIT q.currentChanged();
    if (mode == DataSetState::Insert)
        followDetails();
}

void Table::Private::settle()
{
    settleDetails();
    if (state != DataSetState::Edit && state != DataSetState::Insert)
        return;
    if (pendingWritten)
        store();
    else
        drop();
}

void Table::Private::drop()
{
    const bool inserting = state == DataSetState::Insert;
    state = DataSetState::Browse;
    pending.clear();
    pendingChanged.clear();
    pendingWritten = false;
    insertRow = -1;
    Q_EMIT q.stateChanged();
    if (inserting)
        Q_EMIT q.recordsChanged();
    Q_EMIT q.currentChanged();
    if (inserting)
        followDetails();
}

void Table::Private::ensureWritable()
{
    if (journalChecked)
        return;
    journalChecked = true;
    // Write-ahead logging keeps a committed record and never leaves a half-written one,
    // and synchronous=FULL makes the commit durable before the call returns.
    if (db.queryText(QStringLiteral("PRAGMA journal_mode"))
            .compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
        db.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    db.exec(QStringLiteral("PRAGMA synchronous=FULL"));
}

std::optional<Table::Private::StorageFailure> Table::Private::transact(const std::function<bool()>& body)
{
    sqlite3* handle = db.handle();
    const auto failureNow = [this] { return StorageFailure{db.errorCode(), db.errorMessage()}; };
    if (sqlite3_exec(handle, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return failureNow();
    std::optional<StorageFailure> failure;
    if (!body())
        failure = failureNow();
    else if (sqlite3_exec(handle, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        failure = failureNow();
    if (failure && !sqlite3_get_autocommit(handle))
        sqlite3_exec(handle, "ROLLBACK", nullptr, nullptr, nullptr);
    return failure;
}

void Table::Private::storageError(const QString& action, const StorageFailure& failure) const
{
    QString reason;
    switch (failure.code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        reason = QStringLiteral("the table is locked by another program");
        break;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
        reason = QStringLiteral("the table file cannot be written (%1)").arg(failure.message);
        break;
    case SQLITE_CONSTRAINT:
        reason = QStringLiteral("key violation (%1)").arg(failure.message);
        break;
    case SQLITE_FULL:
        reason = QStringLiteral("the disk is full");
        break;
    default:
        reason = failure.message;
        break;
    }
    const QString pendingNote = state == DataSetState::Edit || state == DataSetState::Insert
                                    ? QStringLiteral("; the record is still pending")
                                    : QString();
    throw EDatabaseError(QStringLiteral("Cannot %1 %2: %3%4").arg(action, context(), reason, pendingNote));
}

void Table::Private::store()
{
    ensureWritable();
    const bool inserting = state == DataSetState::Insert;
    std::int64_t rowid = 0;
    const auto bindValue = [this](SqliteStatement& statement, int parameter, std::size_t f) {
        const auto& value = pending[f];
        if (!value) {
            statement.bindNull(parameter);
            return;
        }
        switch (fields[f]->dataType()) {
        case FieldType::Integer:
        case FieldType::AutoIncrement:
            statement.bindInt64(parameter, value->toLongLong());
            break;
        case FieldType::Number:
            statement.bindDouble(parameter, value->toDouble());
            break;
        default:
            statement.bindText(parameter, *value);
            break;
        }
    };
    QStringList names;
    std::vector<std::size_t> written;
    for (std::size_t f = 0; f < fields.size(); ++f) {
        if (fields[f]->dataType() == FieldType::AutoIncrement)
            continue;
        if (inserting ? pending[f].has_value() : bool(pendingChanged[f])) {
            names << quoted(fields[f]->fieldName());
            written.push_back(f);
        }
    }
    const std::uint32_t editedRecord = inserting ? 0 : visible[std::size_t(cursor)];
    if (inserting || !written.empty()) {
        const auto failure = transact([&] {
            QString sql;
            if (inserting) {
                QStringList marks;
                for (std::size_t i = 1; i <= written.size(); ++i)
                    marks << QStringLiteral("?%1").arg(i);
                sql = written.empty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(sqlName))
                                      : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                            .arg(quoted(sqlName), names.join(QLatin1Char(',')),
                                                 marks.join(QLatin1Char(',')));
            } else {
                QStringList sets;
                for (std::size_t i = 0; i < written.size(); ++i)
                    sets << QStringLiteral("%1=?%2").arg(names[qsizetype(i)]).arg(i + 1);
                sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?%3")
                          .arg(quoted(sqlName), sets.join(QLatin1Char(',')))
                          .arg(written.size() + 1);
            }
            SqliteStatement statement(db.handle(), sql);
            if (!statement.statement())
                return false;
            for (std::size_t i = 0; i < written.size(); ++i)
                bindValue(statement, int(i + 1), written[i]);
            if (!inserting)
                statement.bindInt64(int(written.size() + 1), rowids[editedRecord]);
            if (statement.step() != SQLITE_DONE)
                return false;
            rowid = inserting ? sqlite3_last_insert_rowid(db.handle()) : rowids[editedRecord];
            return true;
        });
        if (failure)
            storageError(QStringLiteral("store the record in"), *failure);
    }

    const int row = inserting ? insertRow : cursor;
    std::uint32_t record = editedRecord;
    if (inserting) {
        record = std::uint32_t(rowids.size());
        rowids.push_back(rowid);
        for (Column& column : columns)
            column.appendNull();
    } else {
        order.erase(std::remove(order.begin(), order.end(), record), order.end());
    }
    readBack(record);
    placeInOrder(record);
    state = DataSetState::Browse;
    pending.clear();
    pendingChanged.clear();
    pendingWritten = false;
    insertRow = -1;
    showRecord(record, row);
}

void Table::Private::readBack(std::uint32_t record)
{
    QStringList select;
    for (const auto& field : fields)
        select << quoted(field->fieldName());
    SqliteStatement statement(db.handle(), QStringLiteral("SELECT %1 FROM %2 WHERE rowid=?1")
                                               .arg(select.join(QLatin1Char(',')), quoted(sqlName)));
    const bool found =
        statement.statement() && (statement.bindInt64(1, rowids[record]), statement.step() == SQLITE_ROW);
    for (std::size_t f = 0; f < fields.size(); ++f) {
        // Stored; should the file not give it back, the written values stand for it.
        if (!found) {
            if (pending[f])
                columns[f].set(record, *pending[f]);
            else
                columns[f].setNull(record);
            continue;
        }
        const int c = int(f);
        switch (statement.columnType(c)) {
        case SQLITE_NULL:
            columns[f].setNull(record);
            break;
        case SQLITE_INTEGER:
            columns[f].set(record, QString::number(statement.columnInt64(c)));
            break;
        case SQLITE_FLOAT:
            columns[f].set(record, numberText(statement.columnDouble(c)));
            break;
        default:
            columns[f].set(record, statement.columnText(c));
            break;
        }
    }
}

bool Table::Private::orderLess(std::uint32_t a, std::uint32_t b) const
{
    for (const int index : indexFields) {
        const Column& column = columns[std::size_t(index)];
        const bool nullA = column.isNull(a);
        const bool nullB = column.isNull(b);
        if (nullA != nullB)
            return nullA;
        if (nullA)
            continue;
        const FieldType type = fields[std::size_t(index)]->dataType();
        if (type == FieldType::Number || type == FieldType::Integer || type == FieldType::AutoIncrement) {
            const double x = column.value(a).toDouble();
            const double y = column.value(b).toDouble();
            if (x != y)
                return x < y;
        } else {
            const int c = column.value(a).compare(column.value(b));
            if (c != 0)
                return c < 0;
        }
    }
    return rowids[a] < rowids[b];
}

void Table::Private::placeInOrder(std::uint32_t record)
{
    const auto at = std::upper_bound(order.begin(), order.end(), record,
                                     [this](std::uint32_t a, std::uint32_t b) { return orderLess(a, b); });
    order.insert(at, record);
}

void Table::Private::showRecord(std::uint32_t record, int fallbackRow)
{
    rebuildVisible();
    const auto it = std::find(visible.begin(), visible.end(), record);
    if (it != visible.end())
        cursor = int(it - visible.begin());
    else
        cursor = visible.empty() ? -1 : std::clamp(fallbackRow, 0, int(visible.size()) - 1);
    Q_EMIT q.stateChanged();
    Q_EMIT q.recordsChanged();
    Q_EMIT q.currentChanged();
    followDetails();
}

void Table::Private::writeField(int field, std::optional<QString> value)
{
    if (!active || (state != DataSetState::Edit && state != DataSetState::Insert))
        throw EDatabaseError(QStringLiteral("Dataset not in edit or insert mode"));
    const auto f = std::size_t(field);
    pending[f] = std::move(value);
    pendingChanged[f] = true;
    pendingWritten = true;
    Q_EMIT q.currentChanged();
}

// ---------------------------------------------------------------------------------------
// Table

Table::Table(QObject* parent) : QObject(parent), d(std::make_unique<Private>(*this)) {}

Table::~Table()
{
    // A written pending record is stored as on closing; a store that fails here cannot be
    // reported any more, so the record is dropped.
    try {
        close();
    } catch (...) {
        d->closeAll();
    }
    if (d->master)
        d->master->removeDetail(this);
    const auto sources = d->sources;
    for (const QPointer<DataSource>& source : sources) {
        if (source && source->dataSet() == this)
            source->setDataSet(nullptr);
    }
}

void Table::setAliases(Aliases aliases)
{
    d->aliases = std::move(aliases);
    d->aliasesSet = true;
}

void Table::setDatabaseName(const QString& alias)
{
    m_databaseName = alias;
}

void Table::setTableName(const QString& name)
{
    m_tableName = name;
}

void Table::setIndexName(const QString& name)
{
    m_indexName = name;
}

void Table::setMasterSource(DataSource* master)
{
    if (d->master == master)
        return;
    if (d->master)
        d->master->removeDetail(this);
    d->master = master;
    if (master)
        master->addDetail(this);
}

void Table::setMasterFields(const QString& fieldName)
{
    d->masterFields = fieldName;
}

void Table::open()
{
    if (d->active)
        return;
    try {
        d->openFile();
        d->readFields();
        d->readIndex();
        d->loadRecords();
        d->state = DataSetState::Browse;
        d->active = true;
        d->rebuildVisible();
        d->cursor = d->visible.empty() ? -1 : 0;
        for (const QPointer<DataSource>& source : d->sources) {
            if (!source)
                continue;
            for (DataLink* link : source->links())
                link->bindFields();
        }
    } catch (...) {
        d->closeAll();
        throw;
    }
    Q_EMIT activeChanged(true);
    Q_EMIT stateChanged();
    Q_EMIT recordsChanged();
    Q_EMIT currentChanged();
    d->followDetails();
}

void Table::close()
{
    if (!d->active)
        return;
    d->settle();
    d->closeAll();
    Q_EMIT activeChanged(false);
    Q_EMIT stateChanged();
    Q_EMIT recordsChanged();
    Q_EMIT currentChanged();
    d->followDetails();
}

void Table::setActive(bool active)
{
    if (active)
        open();
    else
        close();
}

bool Table::active() const
{
    return d->active;
}

int Table::fieldCount() const
{
    return int(d->fields.size());
}

Field* Table::field(int index) const
{
    if (index < 0 || index >= int(d->fields.size()))
        return nullptr;
    return d->fields[std::size_t(index)].get();
}

Field* Table::findFieldByName(const QString& name) const
{
    for (const auto& field : d->fields) {
        if (field->fieldName().compare(name, Qt::CaseInsensitive) == 0) {
            // The name is kept so that its characters stay where the fast path compares them.
            m_lookupName = name;
            m_lookupData = m_lookupName.constData();
            m_lookupSize = m_lookupName.size();
            m_lookupField = field.get();
            return field.get();
        }
    }
    return nullptr;
}

Field* Table::fieldByName(const QString& name) const
{
    Field* found = findField(name);
    if (!found)
        throw EDatabaseError(QStringLiteral("Field '%1' not found").arg(name));
    return found;
}

QStringList Table::fieldNames() const
{
    QStringList names;
    for (const auto& field : d->fields)
        names << field->fieldName();
    return names;
}

const FilterRecordHook& Table::onFilterRecord() const
{
    return d->hook;
}

void Table::setOnFilterRecord(FilterRecordHook hook)
{
    d->hook = std::move(hook);
    if (d->active && d->filtered) {
        d->settle();
        d->rebuildVisible();
        d->cursor = d->visible.empty() ? -1 : 0;
        Q_EMIT recordsChanged();
        Q_EMIT currentChanged();
        d->followDetails();
    }
}

bool Table::filtered() const
{
    return d->filtered;
}

void Table::setFiltered(bool on)
{
    if (!d->active) {
        d->filtered = on;
        return;
    }
    // The same value changes no filtering, but the cursor still goes back to the first
    // record, and that re-tests every record when filtering is on.
    const bool changed = d->filtered != on;
    d->settle();
    d->filtered = on;
    if (changed || on) {
        d->rebuildVisible();
        Q_EMIT recordsChanged();
    }
    d->cursor = d->visible.empty() ? -1 : 0;
    Q_EMIT currentChanged();
    d->followDetails();
}

void Table::first()
{
    moveToRow(0);
}

void Table::prior()
{
    d->requireActive();
    moveToRow(d->row() - 1);
}

void Table::next()
{
    d->requireActive();
    moveToRow(d->row() + 1);
}

void Table::last()
{
    d->requireActive();
    moveToRow(d->rowCount() - 1);
}

bool Table::bof() const
{
    return !d->active || d->rowCount() == 0 || d->row() <= 0;
}

bool Table::eof() const
{
    return !d->active || d->rowCount() == 0 || d->row() >= d->rowCount() - 1;
}

bool Table::isEmpty() const
{
    return !d->active || d->rowCount() == 0;
}

int Table::recordCount() const
{
    return d->active ? d->rowCount() : 0;
}

int Table::currentRow() const
{
    return d->active ? d->row() : -1;
}

void Table::moveToRow(int row)
{
    if (!d->active)
        throw EDatabaseError(
            QStringLiteral("Cannot perform this operation on a closed dataset (%1)").arg(d->context()));
    const int count = d->rowCount();
    if (count == 0)
        return;
    row = std::clamp(row, 0, count - 1);
    if (row == d->row())
        return;
    const std::int64_t target = d->recordAtRow(row);
    d->settle();
    d->cursor = row;
    if (target >= 0) {
        const auto it = std::find(d->visible.begin(), d->visible.end(), std::uint32_t(target));
        if (it != d->visible.end())
            d->cursor = int(it - d->visible.begin());
    }
    Q_EMIT currentChanged();
    d->followDetails();
}

QStringView Table::valueAt(int row, int fieldIndex) const
{
    if (!d->active || row < 0 || row >= d->rowCount() || fieldIndex < 0 ||
        fieldIndex >= int(d->fields.size()))
        return {};
    const auto f = std::size_t(fieldIndex);
    const std::int64_t record = d->recordAtRow(row);
    if (record < 0 || (d->state == DataSetState::Edit && row == d->cursor)) {
        const auto& value = d->pending[f];
        return value ? QStringView(*value) : QStringView();
    }
    return d->columns[f].value(std::uint32_t(record));
}

DataSetState Table::state() const
{
    return d->state;
}

void Table::edit()
{
    d->requireActive();
    if (d->state != DataSetState::Browse)
        return;
    if (d->visible.empty()) {
        insert();
        return;
    }
    d->settleDetails();
    d->startPending(DataSetState::Edit, d->cursor);
}

void Table::insert()
{
    d->requireActive();
    d->settle();
    d->startPending(DataSetState::Insert, std::max(d->cursor, 0));
}

void Table::append()
{
    d->requireActive();
    d->settle();
    d->startPending(DataSetState::Insert, int(d->visible.size()));
}

void Table::post()
{
    d->requireActive();
    if (d->state != DataSetState::Edit && d->state != DataSetState::Insert)
        throw EDatabaseError(QStringLiteral("Dataset not in edit or insert mode"));
    d->settleDetails();
    d->store();
}

void Table::cancel()
{
    if (!d->active || (d->state != DataSetState::Edit && d->state != DataSetState::Insert))
        return;
    d->drop();
}

void Table::deleteRecord()
{
    d->requireActive();
    if (d->state == DataSetState::Insert) {
        d->drop();
        return;
    }
    if (d->cursor < 0)
        throw EDatabaseError(
            QStringLiteral("Cannot perform this operation on an empty dataset (%1)").arg(d->context()));
    d->settleDetails();
    d->ensureWritable();
    const std::uint32_t record = d->visible[std::size_t(d->cursor)];
    const auto failure = d->transact([&] {
        SqliteStatement statement(d->db.handle(),
                                  QStringLiteral("DELETE FROM %1 WHERE rowid=?1").arg(quoted(d->sqlName)));
        if (!statement.statement())
            return false;
        statement.bindInt64(1, d->rowids[record]);
        return statement.step() == SQLITE_DONE;
    });
    if (failure)
        d->storageError(QStringLiteral("delete the record from"), *failure);
    const bool wasEditing = d->state == DataSetState::Edit;
    d->state = DataSetState::Browse;
    d->pending.clear();
    d->pendingChanged.clear();
    d->pendingWritten = false;
    d->order.erase(std::remove(d->order.begin(), d->order.end(), record), d->order.end());
    const int row = d->cursor;
    d->visible.erase(d->visible.begin() + row);
    d->cursor = d->visible.empty() ? -1 : std::min(row, int(d->visible.size()) - 1);
    if (wasEditing)
        Q_EMIT stateChanged();
    Q_EMIT recordsChanged();
    Q_EMIT currentChanged();
    d->followDetails();
}

void Table::attach(DataSource* source)
{
    detach(source);
    d->sources.emplace_back(source);
}

void Table::detach(DataSource* source)
{
    d->sources.erase(
        std::remove_if(d->sources.begin(), d->sources.end(),
                       [source](const QPointer<DataSource>& s) { return s.isNull() || s == source; }),
        d->sources.end());
}

} // namespace velorin::db
