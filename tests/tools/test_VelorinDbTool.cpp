#include "ClinicGenerator.h"
#include "Table.h"
#include "VelorinDbTool.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <zlib.h>

using velorin::db::FieldType;
using velorin::db::Table;
using velorin::tools::VelorinDbTool;

namespace {

QByteArray dictdNumber(quint64 value)
{
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    QByteArray text;
    do {
        text.prepend(alphabet[value % 64]);
        value /= 64;
    } while (value > 0);
    return text;
}

void put16(QByteArray& out, quint16 v)
{
    out.append(char(v & 0xff));
    out.append(char(v >> 8));
}

void put32(QByteArray& out, quint32 v)
{
    put16(out, quint16(v & 0xffff));
    put16(out, quint16(v >> 16));
}

// A dictzip file as dictzip writes it: one deflate stream fully flushed every chunkLength
// bytes, with the compressed size of each chunk in the RA extra field.
QByteArray dictzip(const QByteArray& text, int chunkLength)
{
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray body;
    QList<quint16> sizes;
    for (int at = 0; at < text.size(); at += chunkLength) {
        const QByteArray chunk = text.mid(at, chunkLength);
        QByteArray out(chunkLength * 2 + 64, '\0');
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(chunk.constData()));
        stream.avail_in = uInt(chunk.size());
        stream.next_out = reinterpret_cast<Bytef*>(out.data());
        stream.avail_out = uInt(out.size());
        deflate(&stream, at + chunkLength >= text.size() ? Z_FINISH : Z_FULL_FLUSH);
        const int produced = out.size() - int(stream.avail_out);
        sizes << quint16(produced);
        body.append(out.constData(), produced);
    }
    deflateEnd(&stream);
    QByteArray file("\x1f\x8b\x08\x04", 4);
    file.append(QByteArray(6, '\0'));
    QByteArray ra;
    put16(ra, 1);
    put16(ra, quint16(chunkLength));
    put16(ra, quint16(sizes.size()));
    for (quint16 s : sizes)
        put16(ra, s);
    put16(file, quint16(ra.size() + 4));
    file.append("RA");
    put16(file, quint16(ra.size()));
    file.append(ra);
    file.append(body);
    put32(file, quint32(crc32(0, reinterpret_cast<const Bytef*>(text.constData()), uInt(text.size()))));
    put32(file, quint32(text.size()));
    return file;
}

struct Dictionary
{
    QByteArray index;
    QByteArray text;
};

Dictionary sample()
{
    const QList<QPair<QByteArray, QByteArray>> entries{
        {"00databaseshort", "00-database-short\n   Test dictionary\n"},
        {"00databaseurl", "00-database-url\n   http://example.org\n"},
        {"a", "a /ˈa/\n1. at, to\n2. in\n"},
        {"año", "año\nyear\n"},
        {"casa", "casa /kˈasa/\nhouse, home\n"},
        {"casa", "casa\nfirm, company\n"},
        {"señor mío", "señor mío\nmy lord\n"},
    };
    Dictionary d;
    for (const auto& entry : entries) {
        const auto offset = quint64(d.text.size());
        d.text += entry.second;
        d.index += entry.first + '\t' + dictdNumber(offset) + '\t' +
                   dictdNumber(quint64(entry.second.size())) + '\n';
    }
    // Pad so that the entries spread over many chunks.
    d.text += QByteArray(300, ' ');
    return d;
}

void writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

} // namespace

class TestVelorinDbTool : public QObject
{
    Q_OBJECT
private:
    int run(const QStringList& arguments)
    {
        m_out.clear();
        m_err.clear();
        QTextStream out(&m_out);
        QTextStream err(&m_err);
        return VelorinDbTool(out, err).run(arguments);
    }

    QString m_out;
    QString m_err;

private Q_SLOTS:
    void importsAMultiChunkDictzipInOrder()
    {
        QTemporaryDir dir;
        const Dictionary d = sample();
        writeFile(dir.filePath("t.index"), d.index);
        writeFile(dir.filePath("t.dict.dz"), dictzip(d.text, 16));
        QCOMPARE(run({"import-dictd", dir.filePath("t.index"), dir.filePath("t.dict.dz"),
                      dir.filePath("esptoeng.db"), "--headword", "Esp", "--translation", "Eng"}),
                 0);
        velorin::db::Aliases aliases;
        aliases.add("espanol", dir.path());
        Table table;
        table.setAliases(aliases);
        table.setDatabaseName("espanol");
        table.setTableName("esptoeng.db");
        table.open();
        QCOMPARE(table.fieldNames(), QStringList({"Esp", "Eng"}));
        QCOMPARE(table.field(0)->dataType(), FieldType::Text);
        QCOMPARE(table.field(0)->size(), 9);
        QCOMPARE(table.field(1)->dataType(), FieldType::Memo);
        QStringList heads;
        QStringList translations;
        for (int row = 0; row < table.recordCount(); ++row) {
            heads << table.valueAt(row, 0).toString();
            translations << table.valueAt(row, 1).toString();
        }
        QCOMPARE(heads, QStringList({"a", "año", "casa", "casa", "señor mío"}));
        QCOMPARE(translations, QStringList({"/ˈa/\n1. at, to\n2. in", "year", "/kˈasa/\nhouse, home",
                                            "firm, company", "my lord"}));
    }

    void plainGzipIsReadToo()
    {
        QTemporaryDir dir;
        const Dictionary d = sample();
        writeFile(dir.filePath("t.index"), d.index);
        QByteArray gz;
        {
            gzFile f = gzopen(QFile::encodeName(dir.filePath("t.dict.dz")).constData(), "wb");
            gzwrite(f, d.text.constData(), unsigned(d.text.size()));
            gzclose(f);
        }
        QCOMPARE(run({"import-dictd", dir.filePath("t.index"), dir.filePath("t.dict.dz"),
                      dir.filePath("d.db"), "--headword", "English", "--translation", "Espanol"}),
                 0);
        QVERIFY(m_out.contains("5 entries"));
    }

    void badInputFailsWithoutLeavingATable_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("expected");
        QTest::newRow("missing index") << "no-index"
                                       << "t.index: no such file";
        QTest::newRow("missing dictionary") << "no-dict"
                                            << "t.dict.dz: no such file";
        QTest::newRow("malformed index line") << "bad-line"
                                              << "t.index:2: not a dictd index line";
        QTest::newRow("entry beyond the end") << "beyond"
                                              << "beyond the end";
        QTest::newRow("not gzip") << "not-gzip"
                                  << "not a dictzip";
        QTest::newRow("cut short") << "truncated"
                                   << "cut short";
        QTest::newRow("damaged chunk") << "corrupt"
                                       << "damaged";
    }

    void badInputFailsWithoutLeavingATable()
    {
        QFETCH(QString, damage);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const Dictionary d = sample();
        QByteArray index = d.index;
        QByteArray dz = dictzip(d.text, 16);
        if (damage == "bad-line")
            index.replace("00databaseurl\t", "00databaseurl ");
        if (damage == "beyond")
            index += "zz\tA\tzzzz\n";
        if (damage == "not-gzip")
            dz = "plain text";
        if (damage == "truncated")
            dz.chop(40);
        if (damage == "corrupt")
            dz[dz.size() - 30] = char(dz[dz.size() - 30] ^ 0x5a);
        if (damage != "no-index")
            writeFile(dir.filePath("t.index"), index);
        if (damage != "no-dict")
            writeFile(dir.filePath("t.dict.dz"), dz);
        const int code = run({"import-dictd", dir.filePath("t.index"), dir.filePath("t.dict.dz"),
                              dir.filePath("x.db"), "--headword", "Esp", "--translation", "Eng"});
        QCOMPARE(code, 1);
        QVERIFY2(m_err.contains(expected), qPrintable(m_err));
        QCOMPARE(QDir(dir.path()).entryList({"*.db*", ".*tmp"}, QDir::Files | QDir::Hidden), QStringList());
    }

    void usageErrors()
    {
        QCOMPARE(run({}), 2);
        QCOMPARE(run({"frobnicate"}), 2);
        QVERIFY(m_err.contains("unknown command 'frobnicate'"));
        QCOMPARE(run({"import-dictd", "a", "b", "c", "--headword", "Esp"}), 2);
        QVERIFY(m_err.contains("--translation is required"));
        QCOMPARE(run({"generate-dictionary", "many", "x.db"}), 2);
        QCOMPARE(run({"help"}), 0);
        QVERIFY(m_out.contains("import-dictd INDEX DICT_DZ TABLE"));
    }

    void generatedDictionaryIsDeterministic()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("again"));
        QCOMPARE(run({"generate-dictionary", "2000", dir.filePath("a.db")}), 0);
        QCOMPARE(run({"generate-dictionary", "2000", dir.filePath("again/a.db")}), 0);
        QFile a(dir.filePath("a.db"));
        QFile b(dir.filePath("again/a.db"));
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(a.readAll(), b.readAll());
        velorin::db::Aliases aliases;
        aliases.add("g", dir.path());
        Table table;
        table.setAliases(aliases);
        table.setDatabaseName("g");
        table.setTableName("a.db");
        table.open();
        QCOMPARE(table.recordCount(), 2000);
        int nonAscii = 0;
        for (int row = 0; row < table.recordCount(); ++row) {
            const QString word = table.valueAt(row, 0).toString();
            if (std::any_of(word.begin(), word.end(), [](QChar c) { return c.unicode() > 127; }))
                ++nonAscii;
        }
        QVERIFY(nonAscii > 100 && nonAscii < 1500);
    }

    void clinicTablesHaveTheirLayoutAndIndex()
    {
        QTemporaryDir dir;
        QCOMPARE(run({"create-clinic", dir.path(), "--patients", "12"}), 0);
        velorin::db::Aliases aliases;
        aliases.add("dorhasta", dir.path());
        Table patients;
        patients.setAliases(aliases);
        patients.setDatabaseName("dorhasta");
        patients.setTableName("HASTA.DB");
        patients.open();
        QCOMPARE(patients.fieldCount(), 52);
        QCOMPARE(patients.recordCount(), 12);
        QCOMPARE(patients.field(0)->dataType(), FieldType::Integer);
        QCOMPARE(patients.fieldByName("PNO")->dataType(), FieldType::Number);
        QCOMPARE(patients.fieldByName("OZGECMISI")->size(), 200);
        QCOMPARE(patients.fieldByName("TARIHI")->dataType(), FieldType::DateTime);
        QCOMPARE(patients.fieldNames().last(), QStringLiteral("RANDEVUNO"));
        QString names;
        for (int row = 0; row < patients.recordCount(); ++row)
            names += patients.valueAt(row, 2).toString() + patients.valueAt(row, 3).toString();
        for (const QChar c : QStringLiteral("çğıİöşü"))
            QVERIFY2(names.contains(c), qPrintable(QString(c)));

        Table exams;
        exams.setAliases(aliases);
        exams.setDatabaseName("dorhasta");
        exams.setTableName("YAPGEREK.DB");
        exams.setIndexName("pn1");
        exams.open();
        QCOMPARE(exams.fieldCount(), 21);
        QCOMPARE(exams.field(0)->dataType(), FieldType::AutoIncrement);
        QCOMPARE(exams.fieldByName("SOYADI")->size(), 30);
        QCOMPARE(exams.fieldByName("ONAY")->size(), 1);
        QVERIFY(exams.recordCount() > 12);

        // Existing tables may hold real records: never replaced.
        QCOMPARE(run({"create-clinic", dir.path()}), 1);
        QVERIFY(m_err.contains("already exists"));
    }
};

QTEST_GUILESS_MAIN(TestVelorinDbTool)
#include "test_VelorinDbTool.moc"
