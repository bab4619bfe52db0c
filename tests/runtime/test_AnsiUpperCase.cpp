#include "AnsiUpperCase.h"

#include <QTest>

using velorin::ansiStartsWithUpper;
using velorin::ansiUpperCase;
using velorin::ansiUpperChar;

class TestAnsiUpperCase : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void character_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("ascii") << QStringLiteral("a") << QStringLiteral("A");
        QTest::newRow("ascii capital") << QStringLiteral("Z") << QStringLiteral("Z");
        QTest::newRow("digit") << QStringLiteral("7") << QStringLiteral("7");
        QTest::newRow("ñ") << QStringLiteral("ñ") << QStringLiteral("Ñ");
        QTest::newRow("á") << QStringLiteral("á") << QStringLiteral("Á");
        QTest::newRow("é") << QStringLiteral("é") << QStringLiteral("É");
        QTest::newRow("þ") << QStringLiteral("þ") << QStringLiteral("Þ");
        QTest::newRow("ÿ") << QStringLiteral("ÿ") << QStringLiteral("Ÿ");
        QTest::newRow("œ") << QStringLiteral("œ") << QStringLiteral("Œ");
        QTest::newRow("š") << QStringLiteral("š") << QStringLiteral("Š");
        QTest::newRow("ž") << QStringLiteral("ž") << QStringLiteral("Ž");
        QTest::newRow("µ stays") << QStringLiteral("µ") << QStringLiteral("µ");
        QTest::newRow("ß stays") << QStringLiteral("ß") << QStringLiteral("ß");
        QTest::newRow("ƒ stays") << QStringLiteral("ƒ") << QStringLiteral("ƒ");
        QTest::newRow("division sign") << QStringLiteral("÷") << QStringLiteral("÷");
        QTest::newRow("ordinal") << QStringLiteral("ª") << QStringLiteral("ª");
        QTest::newRow("euro") << QStringLiteral("€") << QStringLiteral("€");
        QTest::newRow("greek beyond the code page") << QStringLiteral("λ") << QStringLiteral("Λ");
        QTest::newRow("cyrillic") << QStringLiteral("ж") << QStringLiteral("Ж");
        QTest::newRow("turkish dotless i") << QStringLiteral("ı") << QStringLiteral("I");
        QTest::newRow("ğ") << QStringLiteral("ğ") << QStringLiteral("Ğ");
        QTest::newRow("ﬁ ligature keeps its length") << QStringLiteral("ﬁ") << QStringLiteral("ﬁ");
    }
    void character()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(in.size(), 1);
        QCOMPARE(QString(ansiUpperChar(in.at(0))), out);
        QCOMPARE(ansiUpperCase(in), out);
    }

    void text_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("mixed") << QStringLiteral("CaSa") << QStringLiteral("CASA");
        QTest::newRow("spanish") << QStringLiteral("niño pequeño, canción")
                                 << QStringLiteral("NIÑO PEQUEÑO, CANCIÓN");
        QTest::newRow("µ and ß inside") << QStringLiteral("straße µm") << QStringLiteral("STRAßE µM");
        // Deseret small long i (U+10428) has a capital (U+10400) outside the code page.
        QTest::newRow("surrogate pair")
            << QString::fromUcs4(U"a\U00010428b") << QString::fromUcs4(U"A\U00010400B");
        QTest::newRow("lone surrogate")
            << QString(QChar(0xD801)) + QStringLiteral("x") << QString(QChar(0xD801)) + QStringLiteral("X");
    }
    void text()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        const QString upper = ansiUpperCase(in);
        QCOMPARE(upper, out);
        QCOMPARE(upper.size(), in.size());
    }

    void prefix_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<bool>("match");
        QTest::newRow("lower text") << QStringLiteral("casa") << QStringLiteral("CAS") << true;
        QTest::newRow("whole text") << QStringLiteral("Casa") << QStringLiteral("CASA") << true;
        QTest::newRow("longer prefix") << QStringLiteral("cas") << QStringLiteral("CASA") << false;
        QTest::newRow("middle") << QStringLiteral("acaso") << QStringLiteral("CAS") << false;
        QTest::newRow("ñ") << QStringLiteral("niño") << QStringLiteral("NIÑ") << true;
        QTest::newRow("ñ is not n") << QStringLiteral("niño") << QStringLiteral("NIN") << false;
        QTest::newRow("empty text") << QString() << QStringLiteral("A") << false;
        QTest::newRow("empty prefix") << QStringLiteral("a") << QString() << true;
        QTest::newRow("surrogate") << QString::fromUcs4(U"\U00010428x") << QString::fromUcs4(U"\U00010400X")
                                   << true;
    }
    void prefix()
    {
        QFETCH(QString, text);
        QFETCH(QString, prefix);
        QFETCH(bool, match);
        QCOMPARE(ansiStartsWithUpper(text, prefix), match);
        QCOMPARE(ansiStartsWithUpper(text, prefix), ansiUpperCase(text).startsWith(prefix));
    }
};

QTEST_APPLESS_MAIN(TestAnsiUpperCase)
#include "test_AnsiUpperCase.moc"
