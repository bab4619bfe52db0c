#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace velorin::tools {

// Reads a dictd dictionary (`.index` and `.dict.dz`) into a dictionary table file.
class DictdImporter
{
public:
    struct Entry
    {
        QString headword;
        QString translation;
    };

    // The entries in the dictionary's order, without the `00database...` entries.
    // ToolError naming the file and line for a missing or malformed input.
    static std::vector<Entry> read(const QString& indexPath, const QString& dictPath);

    // The translation of an entry's text: the text trimmed, and without the headword
    // at the start of its first line (a pronunciation after it stays).
    static QString translationOf(const QString& headword, const QString& text);

    // Writes the entries as a new table: headword VARCHAR(n) sized to the longest one,
    // translation TEXT. Returns the number of records.
    static std::size_t write(const std::vector<Entry>& entries, const QString& tablePath,
                             const QString& headwordField, const QString& translationField);

    // dictd's base64 number; false for a character outside its alphabet or an empty text.
    static bool decodeNumber(QByteArrayView text, quint64& value);
};

} // namespace velorin::tools
