#pragma once

#include <QByteArray>
#include <QString>

namespace velorin::tools {

// A dictd `.dict.dz` file: gzip whose extra field "RA" lists the compressed size of every
// chunk; each chunk inflates on its own. A plain gzip file without that field is read as
// one stream.
class Dictzip
{
public:
    // The whole uncompressed text; ToolError naming the file when it is missing or malformed.
    static QByteArray readAll(const QString& path);
};

} // namespace velorin::tools
