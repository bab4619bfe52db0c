// Lookup speed: one search of the lookup page at 10k, 100k and 1M headwords, page creation
// at 1M, and the same prefix searches as SQLite queries on the same table file.
#include "CustomFramingFrame.h"
#include "TApplication.h"
#include "TDBGrid.h"
#include "TJvDBFindEdit.h"
#include "Table.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>
#include <sqlite3.h>
#include <stdexcept>
#include <unistd.h>

using velorin::dictionary::TFmeCustomFraming;

namespace {

const int kSizes[] = {10000, 100000, 1000000};
const char* const kPrefixes[] = {"c", "cas", "zz9"}; // the last matches nothing

// Deterministic synthetic headwords: two to eleven letters, some of them accented.
class Words
{
public:
    QString next()
    {
        static const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzabcdeilmnorstuñáéíóú");
        const int length = 2 + int(step() % 10);
        QString w;
        for (int i = 0; i < length; ++i)
            w += letters[int(step() % std::uint32_t(letters.size()))];
        return w;
    }

private:
    std::uint32_t step()
    {
        m_state = m_state * 1664525U + 1013904223U;
        return m_state >> 8;
    }
    std::uint32_t m_state = 12345;
};

void exec(sqlite3* db, const char* sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string m = error ? error : "";
        sqlite3_free(error);
        throw std::runtime_error(m);
    }
}

struct Dictionary
{
    int records = 0;
    QString folder;
    QString file;
    QString ini;
    std::size_t textBytes = 0;
    std::unique_ptr<TFmeCustomFraming> page;
};

void writeDictionary(Dictionary& d)
{
    QDir().mkpath(d.folder);
    sqlite3* db = nullptr;
    sqlite3_open(d.file.toUtf8().constData(), &db);
    exec(db, "PRAGMA journal_mode=OFF; CREATE TABLE esptoeng (Esp VARCHAR(40), Eng VARCHAR(80)); BEGIN");
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO esptoeng VALUES (?, ?)", -1, &st, nullptr);
    Words words;
    for (int i = 0; i < d.records; ++i) {
        const QString w = words.next();
        const QString t = QStringLiteral("meaning of ") + w;
        d.textBytes += std::size_t(w.size() + t.size()) * sizeof(char16_t);
        const QByteArray a = w.toUtf8();
        const QByteArray b = t.toUtf8();
        sqlite3_reset(st);
        sqlite3_bind_text(st, 1, a.constData(), int(a.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 2, b.constData(), int(b.size()), SQLITE_TRANSIENT);
        sqlite3_step(st);
    }
    sqlite3_finalize(st);
    exec(db, "COMMIT");
    sqlite3_close(db);
    QFile f(d.ini);
    f.open(QIODevice::WriteOnly);
    QTextStream(&f) << "[espanol]\npath=" << d.folder << "\n";
}

std::size_t residentBytes()
{
    long pages = 0;
    long resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return std::size_t(resident) * std::size_t(sysconf(_SC_PAGESIZE));
}

std::unique_ptr<TFmeCustomFraming> makePage(const Dictionary& d)
{
    qputenv("VELORIN_ALIASES", d.ini.toUtf8());
    auto page = std::make_unique<TFmeCustomFraming>();
    page->resize(524, 562);
    return page;
}

// Collects the median of every benchmark while printing as usual.
class MedianReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.aggregate_name == "median")
                medians[r.run_name.function_name] = r.GetAdjustedRealTime();
    }
    std::map<std::string, double> medians; // ms
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    velorin::widgets::TApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    QTemporaryDir dir;
    std::map<int, Dictionary> dictionaries;
    for (int n : kSizes) {
        Dictionary& d = dictionaries[n];
        d.records = n;
        d.folder = dir.filePath(QString::number(n));
        d.file = d.folder + QStringLiteral("/esptoeng.db");
        d.ini = dir.filePath(QStringLiteral("aliases-%1.ini").arg(n));
        writeDictionary(d);
    }

    // Resident memory of the 1M page beyond the text it holds.
    Dictionary& million = dictionaries[1000000];
    const std::size_t before = residentBytes();
    million.page = makePage(million);
    million.page->show();
    const std::size_t after = residentBytes();
    const double bytesPerRecord =
        (double(after) - double(before) - double(million.textBytes)) / million.records;

    for (int n : kSizes) {
        Dictionary& d = dictionaries[n];
        if (!d.page) {
            d.page = makePage(d);
            d.page->show();
        }
        d.page->FrameShow();
        for (const char* prefix : kPrefixes) {
            const std::string name = "search/" + std::to_string(n) + "/" + prefix;
            benchmark::RegisterBenchmark(name.c_str(),
                                         [&d, prefix](benchmark::State& state) {
                                             TFmeCustomFraming& page = *d.page;
                                             page.yulFindEdit1->setText(QString::fromUtf8(prefix));
                                             for (auto _ : state) {
                                                 page.yulFindEdit1->RunSearch();
                                                 benchmark::DoNotOptimize(page.DBGrid1->model()->rowCount());
                                             }
                                             state.counters["rows"] = page.DBGrid1->model()->rowCount();
                                         })
                ->Unit(benchmark::kMillisecond)
                ->Repetitions(5)
                ->ReportAggregatesOnly(true)
                ->MinTime(0.05);
        }
    }
    benchmark::RegisterBenchmark("create/1000000",
                                 [&million](benchmark::State& state) {
                                     million.page.reset();
                                     for (auto _ : state) {
                                         auto page = makePage(million);
                                         benchmark::DoNotOptimize(page->DBGrid1->model()->rowCount());
                                     }
                                 })
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true)
        ->Iterations(1);

    // The same searches as SQLite queries reading every matching row, without an index
    // and then with one that LIKE can use.
    for (const bool indexed : {false, true}) {
        for (int n : kSizes) {
            for (const char* prefix : kPrefixes) {
                const std::string name =
                    std::string(indexed ? "sqlite_index/" : "sqlite/") + std::to_string(n) + "/" + prefix;
                Dictionary& d = dictionaries[n];
                benchmark::RegisterBenchmark(
                    name.c_str(),
                    [&d, prefix, indexed](benchmark::State& state) {
                        sqlite3* db = nullptr;
                        sqlite3_open(d.file.toUtf8().constData(), &db);
                        if (indexed)
                            exec(db,
                                 "CREATE INDEX IF NOT EXISTS esp_nocase ON esptoeng (Esp COLLATE NOCASE)");
                        sqlite3_stmt* st = nullptr;
                        sqlite3_prepare_v2(db, "SELECT Esp, Eng FROM esptoeng WHERE Esp LIKE ?1", -1, &st,
                                           nullptr);
                        const std::string pattern = std::string(prefix) + "%";
                        int rows = 0;
                        for (auto _ : state) {
                            sqlite3_reset(st);
                            sqlite3_bind_text(st, 1, pattern.c_str(), -1, SQLITE_STATIC);
                            rows = 0;
                            while (sqlite3_step(st) == SQLITE_ROW) {
                                benchmark::DoNotOptimize(sqlite3_column_text(st, 0));
                                benchmark::DoNotOptimize(sqlite3_column_text(st, 1));
                                ++rows;
                            }
                        }
                        state.counters["rows"] = rows;
                        sqlite3_finalize(st);
                        sqlite3_close(db);
                    })
                    ->Unit(benchmark::kMillisecond)
                    ->Repetitions(5)
                    ->ReportAggregatesOnly(true)
                    ->MinTime(0.05);
            }
        }
    }

    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\n%-10s %-7s %12s %12s %14s %10s %12s\n", "records", "prefix", "search ms", "sqlite ms",
                "sqlite+idx ms", "ratio", "ratio idx");
    double worst = 0;
    for (int n : kSizes) {
        for (const char* prefix : kPrefixes) {
            const std::string key = std::to_string(n) + "/" + prefix;
            const double ours = reporter.medians["search/" + key];
            const double plain = reporter.medians["sqlite/" + key];
            const double idx = reporter.medians["sqlite_index/" + key];
            std::printf("%-10d %-7s %12.3f %12.3f %14.3f %10.2f %12.2f\n", n, prefix, ours, plain, idx,
                        ours > 0 ? plain / ours : 0.0, ours > 0 ? idx / ours : 0.0);
            if (n == 1000000 && ours > worst)
                worst = ours;
        }
    }
    std::printf("page creation at 1M: %.1f ms median\n", reporter.medians["create/1000000"]);
    std::printf("resident memory beyond the text at 1M: %.1f bytes/record\n", bytesPerRecord);
    std::printf("search_1M_ms=%.3f\n", worst);
    return 0;
}
