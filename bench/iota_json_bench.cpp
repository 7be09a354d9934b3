// Measures the award programme's JSON list on the full data folder: a list of 1,200 groups read,
// previewed and applied (every group renames its island, and the rarity is replaced), and the
// want list by rarity; each beside raw prepared SQLite statements doing the same reads and row
// changes in one transaction. Each row prints the command's time, the baseline's and their ratio
// (targets: under 60 ms, ratio at most 3).
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>

#include "bench_data.h"
#include "listupdate/iota_json_list.h"
#include "listupdate/iota_json_update.h"
#include "register/codes.h"
#include "register/rarity_table.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "reports/rarity_want_list.h"

namespace {

constexpr int kGroups = 1200;

struct ListedGroup {
    QString table;
    QString reference;
    QString name;
    double credited;
};

// The first 1,200 records of the folder as a groups.json, each with a share of its own.
struct JsonWorkload {
    QTemporaryDir dir;
    QString fileName;
    std::vector<ListedGroup> groups;

    JsonWorkload() : fileName(dir.filePath(QStringLiteral("groups.json"))) {
        store::Database db(BenchData::instance().dataFolder());
        for (const Continent& continent : continents()) {
            store::Statement& select =
                db.prepare(QStringLiteral("SELECT IOTA, Island FROM \"%1\" ORDER BY Key").arg(continent.tableName));
            while (select.step() && groups.size() < size_t(kGroups))
                groups.push_back({continent.tableName, select.columnText(0), select.columnText(1) + " Group",
                                  double(groups.size() % 997) / 10});
        }
        QJsonArray array;
        for (const ListedGroup& group : groups)
            array.append(QJsonObject{{"refno", group.reference},
                                     {"name", group.name},
                                     {"pc_credited", group.credited},
                                     {"dxcc_num", "1"},
                                     {"grp_region", ""},
                                     {"comment", ""}});
        QFile file(fileName);
        file.open(QIODevice::WriteOnly);
        file.write(QJsonDocument(array).toJson());
    }
};

const JsonWorkload& jsonWorkload() {
    static const JsonWorkload load;
    return load;
}

// Every run finds each island with its old name, so every group changes its record.
void resetIslandNames(store::Database& db) {
    store::Database::Transaction batch(db);
    for (const Continent& continent : continents())
        db.execute(QStringLiteral("UPDATE \"%1\" SET Island = ''").arg(continent.tableName));
    batch.commit();
}

// The baseline: find each record by reference, read its status, write the name; replace the shares.
void rawListApply(store::Database& db, const std::vector<ListedGroup>& groups) {
    store::Database::Transaction batch(db);
    QString table;
    std::unique_ptr<store::Statement> select;
    std::unique_ptr<store::Statement> update;
    for (const ListedGroup& group : groups) {
        if (group.table != table) {
            table = group.table;
            select = std::make_unique<store::Statement>(
                db.handle(), QStringLiteral("SELECT rowid, Status FROM \"%1\" WHERE IOTA = ?1").arg(table));
            update = std::make_unique<store::Statement>(
                db.handle(), QStringLiteral("UPDATE \"%1\" SET Island = ?1 WHERE rowid = ?2").arg(table));
        }
        select->reset();
        select->bind(1, group.reference);
        if (!select->step()) continue;
        update->reset();
        update->bind(1, group.name);
        update->bind(2, select->columnInteger(0));
        update->step();
    }
    QHash<QString, double> credited;
    for (const ListedGroup& group : groups) credited.insert(group.reference, group.credited);
    replaceRarity(db, credited);
    batch.commit();
}

using Prepare = std::function<void(store::Database&)>;

// Times the command and the baseline in turn, each after the same untimed preparation.
template <typename Command, typename Baseline>
void measureBesideBaseline(benchmark::State& state, const Prepare& prepare, Command command, Baseline baseline) {
    store::Database db(BenchData::instance().dataFolder());
    store::Table table(db);
    double commandSeconds = 0;
    double baselineSeconds = 0;
    QElapsedTimer timer;
    for (auto _ : state) {
        prepare(db);
        timer.start();
        command(db, table);
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        commandSeconds += seconds;
        prepare(db);
        timer.start();
        baseline(db);
        baselineSeconds += double(timer.nsecsElapsed()) / 1e9;
    }
    state.counters["baseline_ms"] = baselineSeconds * 1000 / double(state.iterations());
    state.counters["ratio"] = commandSeconds / baselineSeconds;
}

// Read, preview and apply, as "skerrydesk-cli import-list" does.
void IotaJsonListApply(benchmark::State& state) {
    const JsonWorkload& load = jsonWorkload();
    measureBesideBaseline(
        state, resetIslandNames,
        [&](store::Database& db, store::Table& table) {
            const IotaListPlan plan = planIotaListUpdate(table, readIotaJsonList(load.fileName));
            if (plan.changed() != kGroups) state.SkipWithError("not every group changed its record");
            applyIotaListPlan(db, table, plan);
        },
        [&](store::Database& db) { rawListApply(db, load.groups); });
    state.counters["groups"] = kGroups;
}
BENCHMARK(IotaJsonListApply)->UseManualTime()->Unit(benchmark::kMillisecond);

// The baseline: the needed references of each continent with their shares, rarest first, by SQL.
QStringList rawRarityWantList(store::Database& db) {
    QStringList memo;
    for (const Continent& continent : continents()) {
        store::Statement& select = db.prepare(
            QStringLiteral("SELECT i.IOTA, r.Credited FROM \"%1\" i LEFT JOIN \"Rarity\" r ON r.IOTA = i.IOTA "
                           "WHERE i.Status = '-' ORDER BY r.Credited IS NULL, r.Credited, i.IOTA")
                .arg(continent.tableName));
        QString line;
        while (select.step())
            line += reports::rarityWantListEntry(
                select.columnText(0),
                select.columnText(1).isEmpty() ? std::nullopt : std::optional<double>(select.columnText(1).toDouble()));
        memo << line;
    }
    return memo;
}

void RarityWantList(benchmark::State& state) {
    const JsonWorkload& load = jsonWorkload();
    {
        store::Database db(BenchData::instance().dataFolder());
        rawListApply(db, load.groups);
    }
    measureBesideBaseline(
        state, [](store::Database&) {},
        [](store::Database& db, store::Table& table) {
            benchmark::DoNotOptimize(reports::rarityWantListText(table, readRarity(db)));
        },
        [](store::Database& db) { benchmark::DoNotOptimize(rawRarityWantList(db)); });
}
BENCHMARK(RarityWantList)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
