// Measures the member file import of a full-size member file (every reference of Debian's list in
// all thirteen kinds, 20 award lines, every owner line) beside raw prepared SQLite statements that
// make the same row changes in one transaction, and the update file export of the full folder
// beside raw prepared SQLite statements reading the same fields into the same lines, the file
// written and "Last exported" noted. Targets: import under 60 ms and at most 3 times its
// baseline; export under 20 ms.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>

#include "base/clock.h"
#include "base/text_file.h"
#include "bench_data.h"
#include "exchange/export_lines.h"
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

// The export's work with prepared statements: every island table in key order, then the awards,
// through the same line rules; the file written whole and the date noted in one transaction.
void rawExport(store::Database& db, const QString& fileName) {
    QStringList lines{QLatin1String(kUpdateFileHeader)};
    for (const char* tableName : {"IOTA-EU", "IOTA-AF", "IOTA-AN", "IOTA-AS", "IOTA-NA", "IOTA-OC", "IOTA-SA"}) {
        store::Statement select(
            db.handle(), QStringLiteral("SELECT IOTA, Status, Call, Comment FROM \"%1\" ORDER BY IOTA").arg(tableName));
        while (select.step())
            if (const auto line =
                    islandLine(select.columnText(0), select.columnText(1), select.columnText(2), select.columnText(3)))
                lines << *line;
    }
    store::Statement awards(
        db.handle(),
        QStringLiteral("SELECT Award_name, Award_number, Award_issued FROM \"%1\"").arg(QLatin1String(kAwardsTable)));
    while (awards.step())
        if (const auto line = awardLine(awards.columnText(0), awards.columnText(1), awards.columnText(2)))
            lines << *line;
    writeTextFile(fileName, lines);
    store::Database::Transaction transaction(db);
    store::Statement note(db.handle(), QStringLiteral("UPDATE Owner SET Value = ?1 WHERE Name = 'Last exported'"));
    note.bind(1, QStringLiteral("01.01.2026"));
    note.step();
    transaction.commit();
}

// The whole export of the imported folder: compose, write the file whole, note "Last exported";
// the export's time is the benchmark's, the raw statements' and the ratio are its counters.
void UpdateExportFullSize(benchmark::State& state) {
    store::Database db(BenchData::instance().dataFolder());
    store::Table table(db);
    const StartState start = readStartState(table);
    resetTables(db);
    Gauge gauge;
    importMemberLines(db, table, memberWorkload().lines, start.counts, gauge);
    const QString fileName = QDir(BenchData::instance().dataFolder()).filePath("../bench.upd");
    const QString rawFileName = QDir(BenchData::instance().dataFolder()).filePath("../raw.upd");
    const SystemClock clock;
    int lines = 0;
    double exportSeconds = 0;
    double rawSeconds = 0;
    QElapsedTimer timer;
    for (auto _ : state) {
        timer.start();
        lines = int(exportUpdateFile(db, table, fileName, "G3ABC", "01234", clock).lines.size());
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        exportSeconds += seconds;
        timer.start();
        rawExport(db, rawFileName);
        rawSeconds += double(timer.nsecsElapsed()) / 1e9;
    }
    state.counters["lines"] = lines;
    state.counters["baseline_ms"] = rawSeconds * 1000 / double(state.iterations());
    state.counters["ratio"] = exportSeconds / rawSeconds;
}
BENCHMARK(UpdateExportFullSize)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
