// Measures the member file import of a full-size member file (every reference of Debian's list in
// all thirteen kinds, 20 award lines, every owner line) beside raw prepared SQLite statements that
// make the same row changes in one transaction, and the update file export of the full folder.
// Targets: import under 60 ms and at most 3 times its baseline; export under 20 ms.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>

#include "base/clock.h"
#include "bench_data.h"
#include "exchange/gauge.h"
#include "exchange/island_rules.h"
#include "exchange/member_import.h"
#include "exchange/owner_lines.h"
#include "exchange/record_kinds.h"
#include "exchange/update_export.h"
#include "member_workload.h"
#include "register/codes.h"
#include "register/iota_list.h"
#include "register/start_state.h"
#include "register/store/database.h"
#include "register/store/table.h"

namespace {

// Times the import and the baseline in turn on freshly reset tables; the import's time is the
// benchmark's, the baseline's and the ratio are its counters. full:1 is the store's own setting,
// its commit synced to the disk; full:0 shows the same without that sync.
void MemberImportFullSize(benchmark::State& state) {
    const MemberWorkload& load = memberWorkload();
    store::Database db(BenchData::instance().dataFolder());
    store::Table table(db);
    syncEachCommit(db, state.range(0) != 0);
    const StartCounts counts = readStartState(table).counts;
    double importSeconds = 0;
    double baselineSeconds = 0;
    QElapsedTimer timer;
    for (auto _ : state) {
        resetTables(db);
        timer.start();
        Gauge gauge;
        importMemberLines(db, table, load.lines, counts, gauge);
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        importSeconds += seconds;
        resetTables(db);
        timer.start();
        rawRowChanges(db, load.changes);
        baselineSeconds += double(timer.nsecsElapsed()) / 1e9;
    }
    state.counters["lines"] = double(load.lines.size());
    state.counters["baseline_ms"] = baselineSeconds * 1000 / double(state.iterations());
    state.counters["ratio"] = importSeconds / baselineSeconds;
}
BENCHMARK(MemberImportFullSize)->ArgName("full")->Arg(1)->Arg(0)->UseManualTime()->Unit(benchmark::kMillisecond);

// The whole export of the imported folder: compose, write the file whole, note "Last exported".
void UpdateExportFullSize(benchmark::State& state) {
    store::Database db(BenchData::instance().dataFolder());
    store::Table table(db);
    const StartState start = readStartState(table);
    resetTables(db);
    Gauge gauge;
    importMemberLines(db, table, memberWorkload().lines, start.counts, gauge);
    const QString fileName = QDir(BenchData::instance().dataFolder()).filePath("../bench.upd");
    const SystemClock clock;
    int lines = 0;
    for (auto _ : state) lines = int(exportUpdateFile(db, table, fileName, "G3ABC", "01234", clock).lines.size());
    state.counters["lines"] = lines;
}
BENCHMARK(UpdateExportFullSize)->Unit(benchmark::kMillisecond);

}  // namespace
