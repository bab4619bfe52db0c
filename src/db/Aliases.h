#pragma once

#include <QMap>
#include <QString>

namespace velorin::db {

// Database aliases: each names a folder of table files. Read from an INI file with one
// section per alias and `path=DIR` (relative to the INI file's folder), first found of
// $VELORIN_ALIASES, $XDG_CONFIG_HOME/velorin/aliases.ini, aliases.ini beside the executable.
class Aliases
{
public:
    Aliases() = default;

    // The aliases of the first INI file found as above; none found gives no aliases.
    static Aliases fromEnvironment();
    // The aliases of one INI file; a missing or unreadable file gives no aliases.
    static Aliases fromFile(const QString& iniPath);

    void add(const QString& alias, const QString& directory);
    bool contains(const QString& alias) const;
    // The alias's folder; EDatabaseError naming the alias when it is unknown.
    QString directory(const QString& alias) const;

private:
    QMap<QString, QString> m_paths; // keyed by lower-cased alias name
};

} // namespace velorin::db
