#include "ClinicGenerator.h"

#include "TableWriter.h"
#include "ToolError.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QVariant>
#include <map>
#include <sqlite3.h>

namespace velorin::tools {

namespace {

ClinicGenerator::Column text(const char* name, int size)
{
    return {QString::fromLatin1(name), QStringLiteral("VARCHAR(%1)").arg(size)};
}

ClinicGenerator::Column number(const char* name)
{
    return {QString::fromLatin1(name), QStringLiteral("DOUBLE")};
}

ClinicGenerator::Column dateTime(const char* name)
{
    return {QString::fromLatin1(name), QStringLiteral("TIMESTAMP")};
}

const QStringList firstNames{"Ayşe",   "Çağla", "Gülşen", "İbrahim", "Işıl",  "Özlem",  "Şükrü",
                             "Ümit",   "Ömer",  "Gökhan", "Büşra",   "Ilgın", "Nurgül", "Doğan",
                             "Çiğdem", "Oğuz",  "Şebnem", "Ünal",    "İpek",  "Yıldız", "Göksel"};
const QStringList surnames{"Yılmaz",  "Öztürk", "Çelik",  "Şahin", "Doğan",   "Kılıç", "Aydın",
                           "Özdemir", "Arslan", "Güneş",  "Koç",   "Kaya",    "Çakır", "Ünlü",
                           "Erdoğan", "İnce",   "Işıklı", "Gök",   "Karagöz", "Uçar",  "Şimşek"};
const QStringList places{"İstanbul",  "İzmir",      "Muğla",     "Çanakkale",
                         "Eskişehir", "Diyarbakır", "Şanlıurfa", "Iğdır"};
const QStringList complaints{"Baş ağrısı ve halsizlik", "Öksürük, ateş",      "Sırt ağrısı", "Göğüs ağrısı",
                             "Mide bulantısı",          "Diz ağrısı, şişlik", "Uykusuzluk",  "Boğaz ağrısı"};
const QStringList measures{"Bol sıvı, istirahat", "Ağrı kesici, soğuk uygulama", "Kan tahlili istendi",
                           "Göğüs röntgeni çekilecek", "Diyet ve yürüyüş önerildi"};
const QStringList cautions{"İlaç alerjisi sorulacak", "Tansiyon takibi", "Şeker ölçümü", "Kontrole gelmesi"};
const QStringList departments{"Dahiliye", "Göğüs Hastalıkları", "Ortopedi", "Kardiyoloji", "Nöroloji"};
const QStringList days{"Pazartesi", "Salı", "Çarşamba", "Perşembe", "Cuma"};
const QStringList doctors{"Dr. Şule Güneş", "Dr. Çetin Özkan", "Dr. İlknur Aksoy", "Dr. Ömer Faruk Işık"};

int sizeOf(const ClinicGenerator::Column& column)
{
    if (!column.declaration.startsWith(QLatin1String("VARCHAR(")))
        return 0;
    return column.declaration.mid(8).chopped(1).toInt();
}

QString quoted(const QString& identifier)
{
    return QLatin1Char('"') + identifier + QLatin1Char('"');
}

// Inserts one record from name → value; values are cut to the column's width.
void writeRecord(TableWriter& writer, db::SqliteStatement& insert,
                 const std::vector<ClinicGenerator::Column>& columns,
                 const std::map<QString, QVariant>& values, int firstColumn)
{
    for (int i = firstColumn; i < int(columns.size()); ++i) {
        const auto& column = columns[std::size_t(i)];
        const int parameter = i - firstColumn + 1;
        const auto it = values.find(column.name);
        if (it == values.end() || it->second.isNull()) {
            insert.bindNull(parameter);
        } else if (column.declaration == QLatin1String("DOUBLE")) {
            insert.bindDouble(parameter, it->second.toDouble());
        } else if (column.declaration == QLatin1String("INTEGER")) {
            insert.bindInt64(parameter, it->second.toLongLong());
        } else {
            const int size = sizeOf(column);
            const QString value = it->second.toString();
            insert.bindText(parameter, size > 0 ? value.left(size) : value);
        }
    }
    writer.insertRow();
}

QString columnList(const std::vector<ClinicGenerator::Column>& columns, int first, bool withTypes)
{
    QStringList parts;
    for (int i = first; i < int(columns.size()); ++i) {
        const auto& column = columns[std::size_t(i)];
        parts << (withTypes ? quoted(column.name) + QLatin1Char(' ') + column.declaration
                            : quoted(column.name));
    }
    return parts.join(QStringLiteral(", "));
}

QString pick(const QStringList& list, int n)
{
    return list[n % list.size()];
}

} // namespace

const std::vector<ClinicGenerator::Column>& ClinicGenerator::patientColumns()
{
    static const std::vector<Column> columns{
        {QStringLiteral("NO"), QStringLiteral("INTEGER PRIMARY KEY")},
        number("PNO"),
        text("ADI", 25),
        text("SOYADI", 25),
        dateTime("DTARIHI"),
        text("DYERI", 25),
        number("YAS"),
        number("BOY"),
        number("KILO"),
        text("CINSIYET", 10),
        text("MEDENIHALI", 10),
        text("UYRUK", 15),
        text("OGRENIMDURUMU", 20),
        text("OZGECMISI", 200),
        text("SOYGECMISI", 200),
        text("AVADRESI", 45),
        text("AVDARESIDEV", 40),
        text("EVIL", 25),
        text("EVILCE", 25),
        number("EVPOSTAKOD"),
        text("EVTELEFON", 20),
        text("CEPTELEFON", 20),
        text("FIRMASI", 50),
        text("ISADRESI", 40),
        text("ISADRESDEVAM", 40),
        text("ISIL", 25),
        text("ISILCE", 25),
        number("ISPOSTAKOD"),
        text("ISTELEFON", 15),
        text("ISFAKSI", 15),
        text("VD", 20),
        number("VN"),
        text("YAKINININADI", 30),
        text("YAKININTELEFONU", 20),
        text("TANIDIGIPERSONEL", 20),
        text("YAKINLIKDERECESI", 25),
        text("KANGURUBU", 20),
        text("ANLASMALIKURUM", 30),
        text("KURUMSORUMLUSU", 25),
        text("KURUMTELEFONU", 20),
        text("KURUMFAKSI", 20),
        text("SOSYALGUVENCE", 25),
        dateTime("TARIHI"),
        text("SKODU", 10),
        text("ANNEADI", 25),
        text("BABAADI", 25),
        text("BARKOD", 13),
        text("SSKNO", 20),
        text("DOKTOR", 40),
        text("EPOSTA", 30),
        text("GELISNEDENI", 20),
        number("RANDEVUNO"),
    };
    return columns;
}

const std::vector<ClinicGenerator::Column>& ClinicGenerator::examinationColumns()
{
    static const std::vector<Column> columns{
        {QStringLiteral("NO"), QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT")},
        number("MNO"),
        text("ADI", 25),
        text("SOYADI", 30),
        number("PNO"),
        dateTime("KAYITTARIHI"),
        text("SIKAYETI", 150),
        text("HIKAYESI", 150),
        text("DOKTOR", 25),
        text("BOLUM", 25),
        text("SERVIS", 25),
        text("GUN", 15),
        text("SAAT", 5),
        text("REFERANS", 30),
        text("UYGULANACAKLAR", 100),
        text("DIKKATEDILECEKLER", 100),
        text("ONAY", 1),
        dateTime("TARIH"),
        number("NUMARA"),
        text("DURUM", 10),
        text("SKODU", 10),
    };
    return columns;
}

void ClinicGenerator::create(const QString& folder, int patients)
{
    const QDir dir(folder);
    if (!dir.exists())
        throw ToolError(QStringLiteral("%1: the folder does not exist").arg(folder));
    if (patients < 0)
        throw ToolError(QStringLiteral("the number of patients must not be negative"));
    const QString patientFile = dir.filePath(QStringLiteral("HASTA.DB"));
    const QString examinationFile = dir.filePath(QStringLiteral("YAPGEREK.DB"));
    for (const QString& file : {patientFile, examinationFile}) {
        if (QFileInfo::exists(file))
            throw ToolError(
                QStringLiteral("%1 already exists; it may hold real records, so it is not replaced")
                    .arg(file));
    }

    TableWriter hasta(patientFile, columnList(patientColumns(), 0, true));
    TableWriter yapgerek(examinationFile, columnList(examinationColumns(), 0, true));
    yapgerek.exec(QStringLiteral("CREATE INDEX pn1 ON YAPGEREK (PNO)"));

    auto& patientInsert = hasta.insert(columnList(patientColumns(), 0, false), int(patientColumns().size()));
    auto& examinationInsert =
        yapgerek.insert(columnList(examinationColumns(), 1, false), int(examinationColumns().size()) - 1);
    const QDate registered(2024, 1, 8);
    int examinationNumber = 0;
    for (int i = 0; i < patients; ++i) {
        const QString first = pick(firstNames, i * 5 + 3);
        const QString last = pick(surnames, i * 8 + 1);
        const int pno = 1001 + i;
        const QDate born(1950 + (i * 13) % 55, 1 + (i * 5) % 12, 1 + (i * 11) % 28);
        const QDate registration = registered.addDays(i * 9);
        const bool woman = (i % 2) == 0;
        const std::map<QString, QVariant> patient{
            {"NO", i + 1},
            {"PNO", pno},
            {"ADI", first},
            {"SOYADI", last},
            {"DTARIHI", born.toString(Qt::ISODate)},
            {"DYERI", pick(places, i)},
            {"YAS", 2026 - born.year()},
            {"BOY", 155 + (i * 7) % 35},
            {"KILO", 52 + (i * 11) % 45},
            {"CINSIYET", woman ? QStringLiteral("Kadın") : QStringLiteral("Erkek")},
            {"MEDENIHALI", i % 3 == 0 ? QStringLiteral("Bekâr") : QStringLiteral("Evli")},
            {"UYRUK", QStringLiteral("T.C.")},
            {"OGRENIMDURUMU", pick({"İlkokul", "Lise", "Üniversite", "Yüksek lisans"}, i)},
            {"OZGECMISI", pick({"Astım", "Hipertansiyon", "Özellik yok", "Şeker hastalığı"}, i)},
            {"SOYGECMISI", pick({"Annede şeker hastalığı", "Özellik yok", "Babada kalp hastalığı"}, i)},
            {"AVADRESI", QStringLiteral("Gül Sokak No: %1").arg(1 + i % 60)},
            {"EVIL", pick(places, i + 3)},
            {"EVILCE", pick({"Çankaya", "Üsküdar", "Karşıyaka", "Bodrum", "Kadıköy"}, i)},
            {"EVPOSTAKOD", 34000 + i * 17 % 900},
            {"EVTELEFON", QStringLiteral("0212 %1").arg(3000000 + i * 7919)},
            {"CEPTELEFON", QStringLiteral("0532 %1").arg(4000000 + i * 6151)},
            {"KANGURUBU", pick({"A Rh+", "0 Rh+", "B Rh-", "AB Rh+"}, i)},
            {"SOSYALGUVENCE", pick({"SGK", "Özel sigorta", "Yok"}, i)},
            {"TARIHI", registration.toString(Qt::ISODate)},
            {"ANNEADI", pick(firstNames, i * 3)},
            {"BABAADI", pick(firstNames, i * 3 + 1)},
            {"BARKOD", QStringLiteral("869%1").arg(1000000000 + i, 10, 10, QLatin1Char('0'))},
            {"DOKTOR", pick(doctors, i)},
            {"EPOSTA", QStringLiteral("hasta%1@ornek.com.tr").arg(pno)},
            {"GELISNEDENI", pick({"Kontrol", "Şikâyet", "Rapor"}, i)},
        };
        writeRecord(hasta, patientInsert, patientColumns(), patient, 0);

        // Every seventh patient has no examination yet; the others one to three.
        const int examinations = i % 7 == 6 ? 0 : 1 + i % 3;
        for (int e = 0; e < examinations; ++e) {
            ++examinationNumber;
            const QDate day = registration.addDays(14 * (e + 1));
            const std::map<QString, QVariant> examination{
                {"MNO", examinationNumber},
                {"ADI", first},
                {"SOYADI", last},
                {"PNO", pno},
                {"KAYITTARIHI", registration.toString(Qt::ISODate)},
                {"SIKAYETI", pick(complaints, i + e)},
                {"HIKAYESI", QStringLiteral("%1 gündür sürüyor").arg(2 + (i + e) % 9)},
                {"DOKTOR", pick(doctors, i + e)},
                {"BOLUM", pick(departments, i + e)},
                {"SERVIS", QStringLiteral("Poliklinik")},
                {"GUN", pick(days, i + e)},
                {"SAAT",
                 QStringLiteral("%1:%2").arg(9 + (i + e) % 8).arg((e * 15) % 60, 2, 10, QLatin1Char('0'))},
                {"UYGULANACAKLAR", pick(measures, i + 2 * e)},
                {"DIKKATEDILECEKLER", pick(cautions, i + e)},
                {"ONAY", QStringLiteral("E")},
                {"TARIH", day.toString(Qt::ISODate)},
                {"NUMARA", examinationNumber},
                {"DURUM", e + 1 == examinations ? QStringLiteral("Açık") : QStringLiteral("Tamam")},
            };
            writeRecord(yapgerek, examinationInsert, examinationColumns(), examination, 1);
        }
    }
    hasta.commit(TableWriter::Journal::Wal);
    yapgerek.commit(TableWriter::Journal::Wal);
}

} // namespace velorin::tools
