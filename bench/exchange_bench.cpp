// Measures the member file import of a full-size member file (every reference of Debian's list in
// all thirteen kinds, 20 award lines, every owner line) beside raw prepared SQLite statements that
// make the same row changes in one transaction, and the update file export of the full folder.
// Targets: import under 60 ms and at most 3 times its baseline; export under 20 ms.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>

#include "app/clock.h"
#include "bench_data.h"
#include "exchange/gauge.h"
#include "exchange/island_rules.h"
#include "exchange/member_import.h"
#include "exchange/owner_lines.h"
#include "exchange/record_kinds.h"
#include "exchange/update_export.h"
#include "register/codes.h"
#include "register/iota_list.h"
#include "register/start_state.h"
#include "register/store/database.h"
#include "register/store/table.h"

namespace {

// One record's new values as the baseline writes them, the record found by a key field.
struct RowChange {
    QString table;
    QString keyField;
    QString key;
    QStringList fields;
    QStringList values;
};

struct MemberWorkload {
    QStringList lines;
    std::vector<RowChange> changes;
};

// What every run starts from, so that every run writes every row it touches.
const QStringList kResets = {
    R"(UPDATE "Owner" SET Value = '')",
    R"(UPDATE "Awards" SET Award_name = '', Award_title = '', Award_number = 'NONE', Award_issued = 'XXXXXXXX')",
};
const QString kIslandReset = QStringLiteral("Status = '-', Call = '', Prefix = '', Island = '', ABW = ''");
const IslandRecord kResetIsland{"-", "", "", ""};

QString memberIslandLine(const ListedIsland& island, int n) {
    const QString call = n % 25 == 0 ? "DELETED" : n % 10 == 0 ? "NONE" : "K" + island.reference.right(3) + "/P";
    const QString prefix = n % 25 == 0 ? "DELETED" : island.prefix;
    return "ISLAND   " + island.reference + " " + call.leftJustified(15, u' ', true) +
           prefix.leftJustified(10, u' ', true) + island.name;
}

void addOwnerLines(MemberWorkload& load) {
    const QList<QPair<QString, QString>> owner = {
        {"CALLSIGN", "G3ABC"},
        {"DIRNUM", "01234"},
        {"CHECKPT", "G3KMA"},
        {"DATE", "01-02-04"},
        {"NAME", "John Smith"},
        {"CERTNAME", "J Smith"},
        {"ADDRESS1", "1 High St"},
        {"ADDRESS2", "Village"},
        {"ADDRESS3", "Parish"},
        {"POSTTOWN", "Town"},
        {"POSTCODE", "AB1 2CD"},
        {"COUNTRY", "England"},
        {"HPHONE", "01000 000000"},
        {"WPHONE", "02000"},
        {"FAX", "03000"},
        {"EMAIL", "g3abc@example.org"},
        {"COMMENT1", "first"},
        {"COMMENT2", "second"},
        {"MODES", "1"},
        {"STATUS", "1023"},
        {"PREVCALL", "G3A G3B G3C G3D G3E G3F G3G G3H "},
    };
    for (const auto& [keyword, value] : owner) load.lines << keyword.leftJustified(9) + value;
    const QList<QPair<QString, QString>> rows = {
        {"Callsign", "G3ABC"},
        {"Directory No", "01234"},
        {"Checkpoint", "G3KMA"},
        {"Last updated", "01-02-04"},
        {"Name", "John Smith"},
        {"Name on Certificate", "J Smith"},
        {"Address1", "1 High St"},
        {"Address2", "Village"},
        {"Address3", "Parish"},
        {"Town", "Town"},
        {"Postcode", "AB1 2CD"},
        {"Country", "England"},
        {"Phone-Home", "01000 000000"},
        {"Phone-Work", "02000"},
        {"Fax", "03000"},
        {"E-mail", "g3abc@example.org"},
        {"Comments1", "first"},
        {"Comments2", "second"},
        {"Mode endorsement", "CW"},
        {"Other Calls1", "G3A G3B"},
        {"Other Calls2", "G3C G3D"},
        {"Other Calls3", "G3E G3F"},
        {"Other Calls4", "G3G G3H"},
    };
    for (const auto& [row, value] : rows) load.changes.push_back({kOwnerTable, "Name", row, {"Value"}, {value}});
    for (const Flag& flag : flags()) load.changes.push_back({kOwnerTable, "Name", flag.row, {"Value"}, {"Yes"}});
}

void addAwardLines(MemberWorkload& load) {
    for (int k = 1; k <= 20; ++k) {
        const QString name = QString("Award %1").arg(k);
        const QString number = QString::number(k * 10);
        const QString title = QString("Title of award %1").arg(k);
        load.lines << "AWARD    " + name.leftJustified(14) + number.leftJustified(7) + "01-02-04 " + title;
        load.changes.push_back({kAwardsTable,
                                "No",
                                QString::number(k),
                                {"Award_name", "Award_title", "Award_number", "Award_issued"},
                                {name, title, number, "01-02-04 "}});
    }
}

// Island lines for every listed reference, group lines for every third of a group's continents.
void addKindLines(MemberWorkload& load) {
    const std::vector<ListedIsland> islands = readIotaTable(QLatin1String(kDebianIotaList));
    for (const RecordKind& kind : recordKinds()) {
        int n = 0;
        for (const ListedIsland& island : islands) {
            if (!island.reference.startsWith(kind.continentCode)) continue;
            if (!kind.isGroupKind()) {
                const QString line = memberIslandLine(island, ++n);
                const IslandRecord after = applyIslandLine(memberIslandLines(), line, kResetIsland);
                load.lines << line;
                load.changes.push_back({kind.tableName(),
                                        "IOTA",
                                        island.reference,
                                        {"Status", "Call", "Prefix", "Island"},
                                        {after.status, after.call, after.prefix, after.island}});
            } else if (++n % 3 == 0) {
                load.lines << kind.text.left(9) + island.reference;
                load.changes.push_back({kind.tableName(), "IOTA", island.reference, {"ABW"}, {kind.group}});
            }
        }
    }
}

const MemberWorkload& memberWorkload() {
    static const MemberWorkload load = [] {
        MemberWorkload made;
        addOwnerLines(made);
        addAwardLines(made);
        addKindLines(made);
        return made;
    }();
    return load;
}

void resetTables(store::Database& db) {
    store::Database::Transaction batch(db);
    for (const QString& reset : kResets) db.execute(reset);
    for (const Continent& continent : continents())
        db.execute(QStringLiteral("UPDATE \"%1\" SET %2").arg(continent.tableName, kIslandReset));
    batch.commit();
}

// The baseline: find each row by its key, write its new values.
void rawRowChanges(store::Database& db, const std::vector<RowChange>& changes) {
    store::Database::Transaction batch(db);
    std::unique_ptr<store::Statement> select;
    std::unique_ptr<store::Statement> update;
    const RowChange* previous = nullptr;
    for (const RowChange& change : changes) {
        if (!previous || previous->table != change.table || previous->fields != change.fields) {
            QStringList assignments;
            for (const QString& field : change.fields) assignments << QStringLiteral("\"%1\" = ?").arg(field);
            select = std::make_unique<store::Statement>(
                db.handle(),
                QStringLiteral("SELECT rowid FROM \"%1\" WHERE \"%2\" = ?1").arg(change.table, change.keyField));
            update = std::make_unique<store::Statement>(
                db.handle(),
                QStringLiteral("UPDATE \"%1\" SET %2 WHERE rowid = ?").arg(change.table, assignments.join(", ")));
        }
        previous = &change;
        select->reset();
        select->bind(1, change.key);
        if (!select->step()) continue;
        update->reset();
        for (int i = 0; i < change.values.size(); ++i) update->bind(i + 1, change.values[i]);
        update->bind(int(change.values.size()) + 1, select->columnInteger(0));
        update->step();
    }
    batch.commit();
}

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
