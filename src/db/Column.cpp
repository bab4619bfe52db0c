#include "Column.h"

#include <cstring>

namespace velorin::db {

void Column::reserve(std::size_t records, std::size_t characters)
{
    m_text.reserve(characters);
    m_start.reserve(records);
    m_length.reserve(records);
    m_null.reserve(records / 64 + 1);
}

void Column::pushNullBit(bool null)
{
    const std::size_t record = m_start.size();
    if ((record & 63) == 0)
        m_null.push_back(0);
    if (null)
        m_null.back() |= std::uint64_t(1) << (record & 63);
}

void Column::appendNull()
{
    pushNullBit(true);
    m_start.push_back(std::uint32_t(m_text.size()));
    m_length.push_back(0);
}

std::uint32_t Column::appendText(QStringView value)
{
    // A view into this very buffer would dangle once the buffer grows.
    if (!m_text.empty() && value.utf16() >= m_text.data() && value.utf16() < m_text.data() + m_text.size()) {
        const QString copy = value.toString();
        return appendText(copy);
    }
    const auto start = std::uint32_t(m_text.size());
    m_text.insert(m_text.end(), value.utf16(), value.utf16() + value.size());
    return start;
}

void Column::append(QStringView value)
{
    pushNullBit(false);
    m_start.push_back(appendText(value));
    m_length.push_back(std::uint32_t(value.size()));
}

void Column::appendUtf8(const char* bytes, std::size_t length)
{
    pushNullBit(false);
    const std::size_t start = m_text.size();
    m_start.push_back(std::uint32_t(start));
    m_text.resize(start + length);
    char16_t* out = m_text.data() + start;
    std::size_t i = 0;
    // Most headwords are plain ASCII: widen them directly.
    for (; i < length && static_cast<unsigned char>(bytes[i]) < 0x80; ++i)
        out[i] = char16_t(bytes[i]);
    std::size_t written = i;
    if (i < length) {
        QChar* end = m_decoder.appendToBuffer(reinterpret_cast<QChar*>(out + i),
                                              QByteArrayView(bytes + i, qsizetype(length - i)));
        written = std::size_t(reinterpret_cast<char16_t*>(end) - out);
    }
    m_text.resize(start + written);
    m_length.push_back(std::uint32_t(written));
}

void Column::setNull(std::uint32_t record)
{
    m_null[record >> 6] |= std::uint64_t(1) << (record & 63);
    m_length[record] = 0;
}

void Column::set(std::uint32_t record, QStringView value)
{
    m_null[record >> 6] &= ~(std::uint64_t(1) << (record & 63));
    m_start[record] = appendText(value);
    m_length[record] = std::uint32_t(value.size());
}

std::size_t Column::indexBytes() const
{
    return (m_start.size() + m_length.size()) * sizeof(std::uint32_t) + m_null.size() * sizeof(std::uint64_t);
}

} // namespace velorin::db
