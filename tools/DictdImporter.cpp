#include "DictdImporter.h"

#include "Dictzip.h"
#include "TableWriter.h"
#include "ToolError.h"

#include <QFile>
#include <algorithm>

namespace velorin::tools {

bool DictdImporter::decodeNumber(QByteArrayView text, quint64& value)
{
    static constexpr char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    if (text.isEmpty() || text.size() > 10)
        return false;
    value = 0;
    for (const char c : text) {
        const char* at = std::find(alphabet, alphabet + 64, c);
        if (at == alphabet + 64)
            return false;
        value = value * 64 + quint64(at - alphabet);
    }
    return true;
}

QString DictdImporter::translationOf(const QString& headword, const QString& text)
{
    QString body = text;
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    body = body.trimmed();
    const qsizetype lineEnd = body.indexOf(QLatin1Char('\n'));
    const QString firstLine = lineEnd < 0 ? body : body.left(lineEnd);
    if (firstLine.startsWith(headword) &&
        (firstLine.size() == headword.size() || firstLine.at(headword.size()).isSpace())) {
        const QString rest = firstLine.mid(headword.size()).trimmed();
        const QString others = lineEnd < 0 ? QString() : body.mid(lineEnd + 1);
        body = rest.isEmpty() ? others.trimmed() : (rest + QLatin1Char('\n') + others).trimmed();
    }
    return body;
}

std::vector<DictdImporter::Entry> DictdImporter::read(const QString& indexPath, const QString& dictPath)
{
    QFile index(indexPath);
    if (!index.exists())
        throw ToolError(QStringLiteral("%1: no such file").arg(indexPath));
    if (!index.open(QIODevice::ReadOnly))
        throw ToolError(QStringLiteral("%1: cannot be read: %2").arg(indexPath, index.errorString()));
    const QByteArray indexText = index.readAll();
    const QByteArray dict = Dictzip::readAll(dictPath);

    std::vector<Entry> entries;
    int lineNumber = 0;
    for (QByteArray line : indexText.split('\n')) {
        ++lineNumber;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const QList<QByteArray> parts = line.split('\t');
        quint64 offset = 0;
        quint64 length = 0;
        if (parts.size() < 3 || !decodeNumber(parts[1], offset) || !decodeNumber(parts[2], length))
            throw ToolError(
                QStringLiteral("%1:%2: not a dictd index line (headword, tab, offset, tab, length)")
                    .arg(indexPath)
                    .arg(lineNumber));
        if (offset + length > quint64(dict.size()))
            throw ToolError(QStringLiteral("%1:%2: the entry lies beyond the end of %3")
                                .arg(indexPath)
                                .arg(lineNumber)
                                .arg(dictPath));
        const QString headword = QString::fromUtf8(parts[0]);
        if (headword.startsWith(QLatin1String("00database")) ||
            headword.startsWith(QLatin1String("00-database")))
            continue;
        const QString text = QString::fromUtf8(dict.constData() + offset, qsizetype(length));
        entries.push_back({headword, translationOf(headword, text)});
    }
    return entries;
}

std::size_t DictdImporter::write(const std::vector<Entry>& entries, const QString& tablePath,
                                 const QString& headwordField, const QString& translationField)
{
    qsizetype width = 1;
    for (const Entry& entry : entries)
        width = std::max(width, entry.headword.size());
    const auto quoted = [](const QString& name) {
        QString text = name;
        text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        return QLatin1Char('"') + text + QLatin1Char('"');
    };
    TableWriter writer(tablePath, QStringLiteral("%1 VARCHAR(%2), %3 TEXT")
                                      .arg(quoted(headwordField))
                                      .arg(width)
                                      .arg(quoted(translationField)));
    auto& insert = writer.insert(quoted(headwordField) + QLatin1Char(',') + quoted(translationField), 2);
    for (const Entry& entry : entries) {
        insert.bindText(1, entry.headword);
        insert.bindText(2, entry.translation);
        writer.insertRow();
    }
    writer.commit(TableWriter::Journal::Delete);
    return entries.size();
}

} // namespace velorin::tools
