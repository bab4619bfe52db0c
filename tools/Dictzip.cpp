#include "Dictzip.h"

#include "ToolError.h"

#include <QFile>
#include <vector>
#include <zlib.h>

namespace velorin::tools {

namespace {

constexpr unsigned char kFlagHeaderCrc = 0x02;
constexpr unsigned char kFlagExtra = 0x04;
constexpr unsigned char kFlagName = 0x08;
constexpr unsigned char kFlagComment = 0x10;

quint16 le16(const QByteArray& data, qsizetype at)
{
    return quint16(static_cast<unsigned char>(data[at]) | (static_cast<unsigned char>(data[at + 1]) << 8));
}

quint32 le32(const QByteArray& data, qsizetype at)
{
    return quint32(le16(data, at)) | (quint32(le16(data, at + 2)) << 16);
}

// Inflates raw deflate data; a chunk may end with a full flush instead of a final block.
bool inflateRaw(const char* input, std::size_t size, QByteArray& out, std::size_t expected)
{
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return false;
    const qsizetype start = out.size();
    out.resize(start + qsizetype(expected));
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input));
    stream.avail_in = uInt(size);
    stream.next_out = reinterpret_cast<Bytef*>(out.data() + start);
    stream.avail_out = uInt(expected);
    int rc = Z_OK;
    while (rc == Z_OK && stream.avail_in > 0 && stream.avail_out > 0)
        rc = inflate(&stream, Z_SYNC_FLUSH);
    const bool ok = (rc == Z_OK || rc == Z_STREAM_END) && stream.avail_out == 0;
    inflateEnd(&stream);
    return ok;
}

QByteArray inflateWhole(const QByteArray& file, const QString& path)
{
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK)
        throw ToolError(QStringLiteral("%1: cannot start decompression").arg(path));
    QByteArray out;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(file.constData()));
    stream.avail_in = uInt(file.size());
    int rc = Z_OK;
    char buffer[1 << 16];
    while (rc == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = sizeof buffer;
        rc = inflate(&stream, Z_NO_FLUSH);
        out.append(buffer, qsizetype(sizeof buffer - stream.avail_out));
        if (rc == Z_BUF_ERROR && stream.avail_in == 0)
            break;
    }
    inflateEnd(&stream);
    if (rc != Z_STREAM_END)
        throw ToolError(QStringLiteral("%1: the compressed data is damaged or cut short").arg(path));
    return out;
}

} // namespace

QByteArray Dictzip::readAll(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        throw ToolError(QStringLiteral("%1: no such file").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        throw ToolError(QStringLiteral("%1: cannot be read: %2").arg(path, file.errorString()));
    const QByteArray data = file.readAll();
    if (data.size() < 18 || static_cast<unsigned char>(data[0]) != 0x1f ||
        static_cast<unsigned char>(data[1]) != 0x8b || data[2] != 8)
        throw ToolError(QStringLiteral("%1: not a dictzip (gzip) file").arg(path));
    const auto flags = static_cast<unsigned char>(data[3]);
    qsizetype at = 10;
    std::vector<quint16> chunkSizes;
    quint16 chunkLength = 0;
    const auto malformed = [&path] {
        return ToolError(QStringLiteral("%1: malformed gzip header").arg(path));
    };
    if (flags & kFlagExtra) {
        if (at + 2 > data.size())
            throw malformed();
        const quint16 extraLength = le16(data, at);
        at += 2;
        const qsizetype extraEnd = at + extraLength;
        if (extraEnd > data.size())
            throw malformed();
        while (at + 4 <= extraEnd) {
            const char id1 = data[at];
            const char id2 = data[at + 1];
            const quint16 length = le16(data, at + 2);
            const qsizetype body = at + 4;
            if (body + length > extraEnd)
                throw malformed();
            if (id1 == 'R' && id2 == 'A' && length >= 6) {
                const quint16 version = le16(data, body);
                chunkLength = le16(data, body + 2);
                const quint16 count = le16(data, body + 4);
                if (version != 1 || 6 + 2 * qsizetype(count) > length || chunkLength == 0)
                    throw ToolError(QStringLiteral("%1: malformed dictzip chunk table").arg(path));
                for (quint16 i = 0; i < count; ++i)
                    chunkSizes.push_back(le16(data, body + 6 + 2 * i));
            }
            at = body + length;
        }
        at = extraEnd;
    }
    for (const unsigned char flag : {kFlagName, kFlagComment}) {
        if (flags & flag) {
            const qsizetype end = data.indexOf('\0', at);
            if (end < 0)
                throw malformed();
            at = end + 1;
        }
    }
    if (flags & kFlagHeaderCrc)
        at += 2;
    if (chunkSizes.empty())
        return inflateWhole(data, path);

    if (data.size() < 8)
        throw malformed();
    const quint32 expectedCrc = le32(data, data.size() - 8);
    const quint32 expectedSize = le32(data, data.size() - 4);
    QByteArray out;
    out.reserve(qsizetype(expectedSize));
    for (std::size_t i = 0; i < chunkSizes.size(); ++i) {
        const quint16 size = chunkSizes[i];
        if (at + size > data.size() - 8)
            throw ToolError(QStringLiteral("%1: the file is cut short (chunk %2 of %3)")
                                .arg(path)
                                .arg(i + 1)
                                .arg(chunkSizes.size()));
        const bool lastChunk = i + 1 == chunkSizes.size();
        const std::size_t expected =
            lastChunk ? std::size_t(expectedSize) - std::size_t(out.size()) : std::size_t(chunkLength);
        if (lastChunk && std::size_t(expectedSize) < std::size_t(out.size()))
            throw ToolError(QStringLiteral("%1: the sizes in the file do not agree").arg(path));
        if (!inflateRaw(data.constData() + at, size, out, expected))
            throw ToolError(
                QStringLiteral("%1: chunk %2 of %3 is damaged").arg(path).arg(i + 1).arg(chunkSizes.size()));
        at += size;
    }
    const auto crc = quint32(crc32(0L, reinterpret_cast<const Bytef*>(out.constData()), uInt(out.size())));
    if (crc != expectedCrc)
        throw ToolError(QStringLiteral("%1: checksum mismatch, the data is damaged").arg(path));
    return out;
}

} // namespace velorin::tools
