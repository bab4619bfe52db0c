#pragma once

#include <QStringDecoder>
#include <QStringView>
#include <cstdint>
#include <vector>

namespace velorin::db {

// The values of one field for every record of a table, held column-wise: one contiguous
// UTF-16 buffer, a start and length per record and a null bitmap. A value replaced later
// is appended to the buffer, so views of other records stay where they are until the
// buffer grows.
class Column
{
public:
    void reserve(std::size_t records, std::size_t characters);
    std::size_t size() const { return m_start.size(); }

    void appendNull();
    void append(QStringView value);
    // Decodes UTF-8 straight into the buffer, without a temporary string.
    void appendUtf8(const char* bytes, std::size_t length);

    void setNull(std::uint32_t record);
    void set(std::uint32_t record, QStringView value);

    bool isNull(std::uint32_t record) const { return (m_null[record >> 6] >> (record & 63)) & 1U; }
    QStringView value(std::uint32_t record) const
    {
        return QStringView(m_text.data() + m_start[record], qsizetype(m_length[record]));
    }

    // Bytes held, for the memory figures of the benchmark.
    std::size_t textBytes() const { return m_text.size() * sizeof(char16_t); }
    std::size_t indexBytes() const;

private:
    void pushNullBit(bool null);
    std::uint32_t appendText(QStringView value);

    std::vector<char16_t> m_text;
    std::vector<std::uint32_t> m_start;
    std::vector<std::uint32_t> m_length;
    std::vector<std::uint64_t> m_null;
    QStringDecoder m_decoder{QStringDecoder::Utf8, QStringDecoder::Flag::Stateless};
};

} // namespace velorin::db
