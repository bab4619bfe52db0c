#include "Aliases.h"
#include "EDatabaseError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using velorin::db::Aliases;

class TestAliases : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void relativePathsAreRelativeToTheIniFile()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("conf")));
        const QString ini = dir.filePath(QStringLiteral("conf/aliases.ini"));
        QFile file(ini);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[espanol]\npath=../data/espanol\n\n[DorHasta]\npath=/srv/clinic\n");
        file.close();
        const Aliases aliases = Aliases::fromFile(ini);
        QCOMPARE(aliases.directory(QStringLiteral("espanol")), QDir::cleanPath(dir.path() + "/data/espanol"));
        QVERIFY(aliases.contains(QStringLiteral("dorhasta")));
        QCOMPARE(aliases.directory(QStringLiteral("DORHASTA")), QStringLiteral("/srv/clinic"));
        QVERIFY(!aliases.contains(QStringLiteral("other")));
    }

    void unknownAliasNamesIt()
    {
        try {
            Aliases().directory(QStringLiteral("espanol"));
            QFAIL("no error");
        } catch (const velorin::EDatabaseError& e) {
            QVERIFY(e.message().contains(QStringLiteral("'espanol'")));
        }
    }

    void environmentFileWinsEvenWhenMissing()
    {
        QTemporaryDir dir;
        const QString config = dir.filePath(QStringLiteral("config"));
        QVERIFY(QDir().mkpath(config + "/velorin"));
        QFile file(config + "/velorin/aliases.ini");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[espanol]\npath=dict\n");
        file.close();
        qputenv("XDG_CONFIG_HOME", config.toUtf8());

        qputenv("VELORIN_ALIASES", dir.filePath(QStringLiteral("missing.ini")).toUtf8());
        QVERIFY(!Aliases::fromEnvironment().contains(QStringLiteral("espanol")));

        qunsetenv("VELORIN_ALIASES");
        QCOMPARE(Aliases::fromEnvironment().directory(QStringLiteral("espanol")), config + "/velorin/dict");
    }
};

QTEST_GUILESS_MAIN(TestAliases)
#include "test_Aliases.moc"
