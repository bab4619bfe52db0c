// The table engine's own figures: opening a dictionary table and one filter pass with a
// prefix hook, at 10k, 100k and 1M headwords, and resident memory per record.
#include "DictdImporter.h"
#include "DictionaryGenerator.h"
#include "Table.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <map>
#include <memory>
#include <unistd.h>

using velorin::db::FilterRecordHook;
using velorin::db::Table;

namespace {

class Tables
{
public:
    Tables() { m_aliases.add(QStringLiteral("bench"), m_dir.path()); }

    // The table file of n generated headwords, written once per run.
    QString tableFor(long n)
    {
        const QString name = QStringLiteral("dict%1.db").arg(n);
        if (!QFile::exists(m_dir.filePath(name))) {
            const auto entries = velorin::tools::DictionaryGenerator::generate(std::size_t(n));
            velorin::tools::DictdImporter::write(entries, m_dir.filePath(name), QStringLiteral("Esp"),
                                                 QStringLiteral("Eng"));
        }
        return name;
    }

    std::unique_ptr<Table> open(long n)
    {
        auto table = std::make_unique<Table>();
        table->setAliases(m_aliases);
        table->setDatabaseName(QStringLiteral("bench"));
        table->setTableName(tableFor(n));
        table->open();
        return table;
    }

private:
    QTemporaryDir m_dir;
    velorin::db::Aliases m_aliases;
};

Tables& tables()
{
    static Tables instance;
    return instance;
}

double residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> parts = statm.readAll().split(' ');
    return parts.size() > 1 ? parts[1].toDouble() * double(sysconf(_SC_PAGESIZE)) : 0;
}

void BM_Open(benchmark::State& state)
{
    const long n = state.range(0);
    tables().tableFor(n);
    for (auto _ : state) {
        auto table = tables().open(n);
        benchmark::DoNotOptimize(table->recordCount());
    }
    state.counters["records"] = double(n);
}

void BM_Memory(benchmark::State& state)
{
    const long n = state.range(0);
    tables().tableFor(n);
    double perRecord = 0;
    double overhead = 0;
    for (auto _ : state) {
        // Heap freed by earlier work would be reused and hide the table's own pages.
        malloc_trim(0);
        const double before = residentBytes();
        auto table = tables().open(n);
        const double after = residentBytes();
        double text = 0;
        for (int row = 0; row < table->recordCount(); ++row)
            text += double(table->valueAt(row, 0).size() + table->valueAt(row, 1).size()) * 2;
        perRecord = (after - before) / double(n);
        overhead = (after - before - text) / double(n);
    }
    state.counters["rss_bytes_per_record"] = perRecord;
    state.counters["beyond_text_bytes_per_record"] = overhead;
}

void BM_FilterPass(benchmark::State& state)
{
    const long n = state.range(0);
    auto table = tables().open(n);
    const QString field = QStringLiteral("Esp");
    const QString prefix = QStringLiteral("CA");
    static const int procedure = 0;
    FilterRecordHook hook;
    hook.procedure = &procedure;
    hook.callback = [&field, &prefix](Table& t, bool& accept) {
        accept = t.fieldByName(field)->asStringView().startsWith(prefix, Qt::CaseInsensitive);
    };
    table->setOnFilterRecord(hook);
    for (auto _ : state) {
        table->setFiltered(true);
        benchmark::DoNotOptimize(table->recordCount());
    }
    state.counters["matches"] = double(table->recordCount());
}

// The engine's share of a pass: the hook only reads the field.
void BM_FilterPassReadOnly(benchmark::State& state)
{
    const long n = state.range(0);
    auto table = tables().open(n);
    const QString field = QStringLiteral("Esp");
    FilterRecordHook hook;
    hook.callback = [&field](Table& t, bool& accept) {
        const QStringView value = t.fieldByName(field)->asStringView();
        accept = !value.isEmpty() && value.front() == u'c' && value.size() > 1 && value[1] == u'a';
    };
    table->setOnFilterRecord(hook);
    for (auto _ : state) {
        table->setFiltered(true);
        benchmark::DoNotOptimize(table->recordCount());
    }
    state.counters["matches"] = double(table->recordCount());
}

// The same pass when the hook describes its prefix test and the engine scans the column.
void BM_FilterPassColumnScan(benchmark::State& state)
{
    const long n = state.range(0);
    auto table = tables().open(n);
    FilterRecordHook hook;
    hook.callback = [](Table&, bool& accept) { accept = false; };
    hook.prefixTest = [](const Table& t) -> std::optional<FilterRecordHook::PrefixTest> {
        return FilterRecordHook::PrefixTest{t.field(0)->index(),
                                            velorin::db::UpperPrefix(QStringLiteral("CA"))};
    };
    table->setOnFilterRecord(hook);
    for (auto _ : state) {
        table->setFiltered(true);
        benchmark::DoNotOptimize(table->recordCount());
    }
    state.counters["matches"] = double(table->recordCount());
}

} // namespace

BENCHMARK(BM_FilterPassColumnScan)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterPassReadOnly)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Open)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Memory)->Arg(1'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterPass)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
