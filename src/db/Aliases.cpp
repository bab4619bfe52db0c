#include "Aliases.h"

#include "EDatabaseError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace velorin::db {

namespace {

QString executableDir()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
}

} // namespace

Aliases Aliases::fromEnvironment()
{
    // An explicit file wins even when it is missing, so tests never see the user's aliases.
    const QString explicitFile = qEnvironmentVariable("VELORIN_ALIASES");
    if (!explicitFile.isEmpty())
        return fromFile(explicitFile);

    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty())
        configHome = QDir::homePath() + QStringLiteral("/.config");
    const QStringList candidates = {configHome + QStringLiteral("/velorin/aliases.ini"),
                                    executableDir() + QStringLiteral("/aliases.ini")};
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return fromFile(candidate);
    }
    return {};
}

Aliases Aliases::fromFile(const QString& iniPath)
{
    Aliases aliases;
    const QFileInfo info(iniPath);
    if (!info.isFile() || !info.isReadable())
        return aliases;
    QSettings ini(iniPath, QSettings::IniFormat);
    const QDir base = info.absoluteDir();
    const QStringList groups = ini.childGroups();
    for (const QString& alias : groups) {
        const QString path = ini.value(alias + QStringLiteral("/path")).toString();
        if (path.isEmpty())
            continue;
        aliases.add(alias, QDir::cleanPath(base.absoluteFilePath(path)));
    }
    return aliases;
}

void Aliases::add(const QString& alias, const QString& directory)
{
    m_paths.insert(alias.toLower(), directory);
}

bool Aliases::contains(const QString& alias) const
{
    return m_paths.contains(alias.toLower());
}

QString Aliases::directory(const QString& alias) const
{
    const auto it = m_paths.constFind(alias.toLower());
    if (it == m_paths.constEnd())
        throw EDatabaseError(QStringLiteral("Unknown database alias '%1'").arg(alias));
    return it.value();
}

} // namespace velorin::db
