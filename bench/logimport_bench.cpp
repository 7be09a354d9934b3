// Measures the UPF import, the CSV import and the island list update on the full data folder,
// one input line per reference, each beside raw prepared SQLite statements that make the same
// row changes in one transaction. Each row prints the command's time, the baseline's and their
// ratio (targets: under 60 ms, ratio at most 3).
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <functional>

#include "bench_data.h"
#include "listupdate/list_update.h"
#include "logimport/csv_import.h"
#include "logimport/upf_import.h"
#include "register/codes.h"
#include "register/start_state.h"
#include "register/store/database.h"
#include "register/store/table.h"

namespace {

// One record's new values as the baseline writes them.
struct RowChange {
    QString table;
    QString reference;
    QStringList values;
};

// A full-size input for a command and the row changes it makes.
struct Workload {
    QStringList lines;
    QStringList fields;  // the fields the baseline writes
    std::vector<RowChange> changes;
    QString reset;  // SQL run on every island table before each timed run, so that every run writes
};

template <typename MakeLine>
Workload workload(const QStringList& fields, const QString& reset, MakeLine makeLine) {
    Workload load{{}, fields, {}, reset};
    store::Database db(BenchData::instance().dataFolder());
    for (const Continent& continent : continents()) {
        store::Statement& select =
            db.prepare(QStringLiteral("SELECT IOTA, Prefix, Island FROM \"%1\" ORDER BY Key").arg(continent.tableName));
        while (select.step()) {
            const auto [line, values] = makeLine(select.columnText(0), select.columnText(1), select.columnText(2));
            load.lines << line;
            load.changes.push_back({continent.tableName, select.columnText(0), values});
        }
    }
    return load;
}

const Workload& upfWorkload() {
    static const Workload load = workload({"Call", "Status", "Comment"}, "Status = '-', Call = '', Comment = ''",
                                          [](const QString& reference, const QString&, const QString&) {
                                              const QString call = QStringLiteral("K%1").arg(reference.right(3));
                                              return std::pair{reference + u' ' + call + QStringLiteral(" 14 MHz CW"),
                                                               QStringList{call, "W", "14 MHz CW"}};
                                          });
    return load;
}

const Workload& csvWorkload() {
    static const Workload load = workload(
        {"Call", "Status"}, "Status = '-', Call = ''", [](const QString& reference, const QString&, const QString&) {
            const QString call = QStringLiteral("K%1").arg(reference.right(3));
            return std::pair{QStringLiteral("\"%1\",\"%2\",\"Accepted\"").arg(reference, call), QStringList{call, "A"}};
        });
    return load;
}

const Workload& updateWorkload() {
    static const Workload load = workload(
        {"Status", "Call", "Prefix", "Island"}, "Status = '-', Call = '', Prefix = '', Island = ''",
        [](const QString& reference, const QString& prefix, const QString& island) {
            const QString column = prefix.isEmpty() ? QStringLiteral("NEW") : prefix.leftJustified(10, u' ', true);
            const QString name = island.isEmpty() ? QStringLiteral("New island") : island;
            return std::pair{QStringLiteral("ISLAND   %1 %2  %3").arg(reference, column.leftJustified(10), name),
                             QStringList{"-", "", column.leftJustified(10), name}};
        });
    return load;
}

void resetTables(store::Database& db, const QString& assignments) {
    store::Database::Transaction batch(db);
    for (const Continent& continent : continents())
        db.execute(QStringLiteral("UPDATE \"%1\" SET %2").arg(continent.tableName, assignments));
    batch.commit();
}

// The baseline: find each record by reference, read its status, write the new values.
void rawRowChanges(store::Database& db, const Workload& load) {
    store::Database::Transaction batch(db);
    QStringList assignments;
    for (const QString& field : load.fields) assignments << QStringLiteral("\"%1\" = ?").arg(field);
    QString table;
    std::unique_ptr<store::Statement> select;
    std::unique_ptr<store::Statement> update;
    for (const RowChange& change : load.changes) {
        if (change.table != table) {
            table = change.table;
            select = std::make_unique<store::Statement>(
                db.handle(), QStringLiteral("SELECT rowid, Status FROM \"%1\" WHERE IOTA = ?1").arg(table));
            update = std::make_unique<store::Statement>(
                db.handle(), QStringLiteral("UPDATE \"%1\" SET %2 WHERE rowid = ?").arg(table, assignments.join(", ")));
        }
        select->reset();
        select->bind(1, change.reference);
        if (!select->step()) continue;
        update->reset();
        for (int i = 0; i < change.values.size(); ++i) update->bind(i + 1, change.values[i]);
        update->bind(int(change.values.size()) + 1, select->columnInteger(0));
        update->step();
    }
    batch.commit();
}

using Command = std::function<void(store::Database&, store::Table&, const QStringList&, const StartCounts&)>;

// Times the command and the baseline in turn on freshly reset tables; the command's time is the
// benchmark's, the baseline's and the ratio are its counters.
void measureBesideBaseline(benchmark::State& state, const Workload& load, const Command& command) {
    store::Database db(BenchData::instance().dataFolder());
    store::Table table(db);
    const StartCounts counts = readStartState(table).counts;
    double commandSeconds = 0;
    double baselineSeconds = 0;
    QElapsedTimer timer;
    for (auto _ : state) {
        resetTables(db, load.reset);
        timer.start();
        command(db, table, load.lines, counts);
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        commandSeconds += seconds;
        resetTables(db, load.reset);
        timer.start();
        rawRowChanges(db, load);
        baselineSeconds += double(timer.nsecsElapsed()) / 1e9;
    }
    const double runs = double(state.iterations());
    state.counters["lines"] = double(load.lines.size());
    state.counters["baseline_ms"] = baselineSeconds * 1000 / runs;
    state.counters["ratio"] = commandSeconds / baselineSeconds;
}

void UpfImportFullSize(benchmark::State& state) {
    measureBesideBaseline(state, upfWorkload(),
                          [](store::Database& db, store::Table& table, const QStringList& lines, const StartCounts&) {
                              importUpf(db, table, lines, ImportMode::Worked);
                          });
}
BENCHMARK(UpfImportFullSize)->UseManualTime()->Unit(benchmark::kMillisecond);

void CsvImportFullSize(benchmark::State& state) {
    measureBesideBaseline(state, csvWorkload(),
                          [](store::Database& db, store::Table& table, const QStringList& lines,
                             const StartCounts& counts) { importCsv(db, table, lines, counts); });
}
BENCHMARK(CsvImportFullSize)->UseManualTime()->Unit(benchmark::kMillisecond);

void ListUpdateFullSize(benchmark::State& state) {
    measureBesideBaseline(state, updateWorkload(),
                          [](store::Database& db, store::Table& table, const QStringList& lines,
                             const StartCounts& counts) { applyListUpdate(db, table, lines, counts); });
}
BENCHMARK(ListUpdateFullSize)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
