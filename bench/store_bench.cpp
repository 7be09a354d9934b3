// Measures the table handle against raw prepared SQLite statements doing the same row changes.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <map>

#include "bench_data.h"
#include "register/store/database.h"
#include "register/store/table.h"

namespace {

const char* const kStatuses[] = {"W", "C"};

// Opening a filtered island table and reading its record count, as a summary does per cell,
// beside a prepared statement reading the same records' fields; the handle's time is the
// benchmark's, the statement's and the ratio are its counters.
void OpenFilteredTableAndCount(benchmark::State& state) {
    store::Database db(BenchData::instance().dataFolder());
    store::Table table(db);
    const QString filter = QStringLiteral("Status = 'C' or Status = 'A' or Status = 'W'");
    table.setFilter(filter);
    table.setFiltered(true);
    store::Statement select(db.handle(),
                            QStringLiteral("SELECT rowid, * FROM \"IOTA-OC\" WHERE %1 ORDER BY IOTA").arg(filter));
    double handleSeconds = 0;
    double rawSeconds = 0;
    QElapsedTimer timer;
    for (auto _ : state) {
        timer.start();
        table.Close();
        table.setTableName(QStringLiteral("IOTA-OC"));
        table.Open();
        benchmark::DoNotOptimize(table.RecordCount());
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        handleSeconds += seconds;
        timer.start();
        select.reset();
        QList<QStringList> rows;
        while (select.step()) {
            QStringList values;
            for (int column = 1; column < select.columnCount(); ++column) values << select.columnText(column);
            rows << values;
        }
        benchmark::DoNotOptimize(rows.size());
        rawSeconds += double(timer.nsecsElapsed()) / 1e9;
    }
    state.counters["baseline_us"] = rawSeconds * 1e6 / double(state.iterations());
    state.counters["ratio"] = handleSeconds / rawSeconds;
}
BENCHMARK(OpenFilteredTableAndCount)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The import's inner loop: filter on one reference, edit, post; one batch transaction.
void FilterEditPostCycles(benchmark::State& state) {
    store::Database db(BenchData::instance().dataFolder());
    store::Table table(db);
    int round = 0;
    for (auto _ : state) {
        const QString status = QString::fromLatin1(kStatuses[round++ % 2]);
        store::Database::Transaction batch(db);
        for (const auto& [tableName, references] : BenchData::instance().workload()) {
            table.Close();
            table.setTableName(tableName);
            table.setReadOnly(false);
            table.setFiltered(true);
            table.Open();
            for (const QString& reference : references) {
                table.setFilter(QStringLiteral("IOTA = ") + store::quoted(reference));
                table.Edit();
                table.FieldByName(QStringLiteral("Status")).setAsString(status);
                table.Post();
            }
        }
        table.Close();
        batch.commit();
    }
    state.SetItemsProcessed(state.iterations() * BenchData::instance().workloadSize());
}
BENCHMARK(FilterEditPostCycles)->Unit(benchmark::kMillisecond);

// One record edited and posted outside a batch, as in Edit Mode: one commit per post. full:1 is
// the store's own setting, each commit synced to the disk; full:0 shows the same without it.
void PostOneRecord(benchmark::State& state) {
    store::Database db(BenchData::instance().dataFolder());
    syncEachCommit(db, state.range(0) != 0);
    store::Table table(db);
    table.setTableName(QStringLiteral("IOTA-EU"));
    table.setReadOnly(false);
    table.setFilter(QStringLiteral("IOTA = 'EU-005'"));
    table.setFiltered(true);
    table.Open();
    int round = 0;
    for (auto _ : state) {
        table.Edit();
        table.FieldByName(QStringLiteral("Status")).setAsString(QString::fromLatin1(kStatuses[round++ % 2]));
        table.Post();
    }
}
BENCHMARK(PostOneRecord)->ArgName("full")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// The same row changes with prepared statements: find the row by reference, then update it.
void RawSqliteBaseline(benchmark::State& state) {
    store::Database db(BenchData::instance().dataFolder());
    int round = 0;
    for (auto _ : state) {
        const QString status = QString::fromLatin1(kStatuses[round++ % 2]);
        store::Database::Transaction batch(db);
        for (const auto& [tableName, references] : BenchData::instance().workload()) {
            store::Statement select(db.handle(),
                                    QStringLiteral("SELECT rowid, * FROM \"%1\" WHERE IOTA = ?1").arg(tableName));
            store::Statement update(db.handle(),
                                    QStringLiteral("UPDATE \"%1\" SET Status = ?1 WHERE rowid = ?2").arg(tableName));
            for (const QString& reference : references) {
                select.reset();
                select.bind(1, reference);
                if (!select.step()) continue;
                update.reset();
                update.bind(1, status);
                update.bind(2, select.columnInteger(0));
                update.step();
            }
        }
        batch.commit();
    }
    state.SetItemsProcessed(state.iterations() * BenchData::instance().workloadSize());
}
BENCHMARK(RawSqliteBaseline)->Unit(benchmark::kMillisecond);

// Keeps each run's time per iteration so that the ratio can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration) m_seconds[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    double time(const std::string& name) const {
        const auto found = m_seconds.find(name);
        return found == m_seconds.end() ? 0 : found->second;
    }

private:
    std::map<std::string, double> m_seconds;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    BenchData::instance();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double handle = reporter.time("FilterEditPostCycles");
    const double raw = reporter.time("RawSqliteBaseline");
    if (handle > 0 && raw > 0) {
        const double perRowHandle = handle * 1000.0 / BenchData::instance().workloadSize();
        const double perRowRaw = raw * 1000.0 / BenchData::instance().workloadSize();
        std::printf("\nfilter-edit-post per row: %.2f us, raw SQLite per row: %.2f us, ratio %.2f (target <= 3)\n",
                    perRowHandle, perRowRaw, handle / raw);
    }
    benchmark::Shutdown();
    return 0;
}
