#pragma once

namespace velorin::db {

// The kinds of field a table file may declare (see the SQLite declarations in the engine).
enum class FieldType {
    Integer,       // INTEGER
    AutoIncrement, // INTEGER PRIMARY KEY AUTOINCREMENT: assigned by the engine when first stored
    Number,        // DOUBLE
    Text,          // VARCHAR(n): writes are cut to n characters
    DateTime,      // TIMESTAMP, ISO 8601 text
    Memo,          // TEXT: a large-object field
};

} // namespace velorin::db
