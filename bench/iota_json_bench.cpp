// Measures the award programme's JSON list on the full data folder: its own fulllist.json (1,178
// groups with their sub-groups and islands) and a flat list of 1,200 groups, each read, previewed
// and applied (every group renames its island, the rarity is replaced, and against the complete
// list the needed records it does not name are deleted), and the want list by rarity. Beside each,
// the same file read and its groups' fields picked by a plain byte scan, and the same row changes
// made with raw prepared SQLite statements in one transaction. Each row prints the command's time,
// the baseline's and their ratio (targets: under 60 ms, ratio at most 1.5).
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <charconv>
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

// The first 1,200 records of the folder as a groups.json, each with a share of its own.
struct JsonWorkload {
    QTemporaryDir dir;
    QString fileName;

    JsonWorkload() : fileName(dir.filePath(QStringLiteral("groups.json"))) {
        store::Database db(BenchData::instance().dataFolder());
        QJsonArray array;
        for (const Continent& continent : continents()) {
            store::Statement& select =
                db.prepare(QStringLiteral("SELECT IOTA, Island FROM \"%1\" ORDER BY Key").arg(continent.tableName));
            while (select.step() && array.size() < kGroups)
                array.append(QJsonObject{{"refno", select.columnText(0)},
                                         {"name", select.columnText(1) + " Group"},
                                         {"pc_credited", double(array.size() % 997) / 10},
                                         {"dxcc_num", "1"},
                                         {"grp_region", ""},
                                         {"comment", ""}});
        }
        QFile file(fileName);
        file.open(QIODevice::WriteOnly);
        file.write(QJsonDocument(array).toJson());
    }
};

const JsonWorkload& jsonWorkload() {
    static const JsonWorkload load;
    return load;
}

// The programme's own list, when the folder of real files is beside the project.
QString realList() {
    const QString path = QStringLiteral(SKERRY_REAL_FILES "/iota/fulllist.json");
    return QFileInfo(path).isFile() ? path : QString();
}

// Every run finds each island with its old name, so every group changes its record, and the
// records that the complete list deleted are needed again.
void resetIslands(store::Database& db) {
    store::Database::Transaction batch(db);
    for (const Continent& continent : continents()) {
        db.execute(QStringLiteral("UPDATE \"%1\" SET Island = ''").arg(continent.tableName));
        db.execute(QStringLiteral("UPDATE \"%1\" SET Status = '-', Prefix = '' WHERE Prefix = 'DELETED'")
                       .arg(continent.tableName));
    }
    batch.commit();
}

// What the baseline picks of a group: the texts of its members, numbers as written.
struct PlainGroup {
    QHash<QByteArray, QByteArrayView> fields;
    QByteArrayView field(const char* name) const { return fields.value(QByteArray::fromRawData(name, qstrlen(name))); }
};

const QList<QByteArray> kPlainFields = {"refno",        "name",         "pc_credited",   "grp_region",   "dxcc_num",
                                        "latitude_min", "latitude_max", "longitude_min", "longitude_max"};

// The end of the string that opens at the quote; escapes are stepped over, not read.
qsizetype stringEnd(QByteArrayView text, qsizetype quote) {
    qsizetype at = quote + 1;
    while (at < text.size() && text[at] != '"') at += text[at] == '\\' ? 2 : 1;
    return at;
}

// The plainest reading of the list: the members of each entry of the top-level array, found by
// counting brackets outside strings; nothing is checked, no escape read, nested values passed over.
std::vector<PlainGroup> plainGroups(QByteArrayView text) {
    std::vector<PlainGroup> groups;
    int depth = 0;
    QByteArray key;
    bool wantsValue = false;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '"') {
            const qsizetype end = stringEnd(text, at);
            const QByteArrayView string = text.sliced(at + 1, end - at - 1);
            if (depth == 2 && wantsValue && kPlainFields.contains(key)) groups.back().fields.insert(key, string);
            if (depth == 2 && !wantsValue) key = string.toByteArray();
            wantsValue = false;
            at = end;
        } else if (c == ':') {
            wantsValue = true;
        } else if (c == '{' || c == '[') {
            if (++depth == 2) groups.emplace_back();
            wantsValue = false;
        } else if (c == '}' || c == ']') {
            --depth;
        } else if (c == ',') {
            wantsValue = false;
        } else if (depth == 2 && wantsValue && c != ' ' && c != '\n' && c != '\t' && c != '\r') {
            qsizetype end = at;
            while (end < text.size() && text[end] != ',' && text[end] != '}' && text[end] != ' ') ++end;
            if (kPlainFields.contains(key)) groups.back().fields.insert(key, text.sliced(at, end - at));
            wantsValue = false;
            at = end - 1;
        }
    }
    return groups;
}

QByteArray readAll(const QString& fileName) {
    QFile file(fileName);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QString plainText(QByteArrayView text) {
    return QString::fromUtf8(text).trimmed();
}

// The group codes of the programme's regions.
QString plainGroupCode(QByteArrayView region) {
    const QByteArray upper = region.trimmed().toByteArray().toUpper();
    if (upper == "AI") return QStringLiteral("A");
    if (upper == "BI") return QStringLiteral("B");
    if (upper == "WI") return QStringLiteral("W");
    return QString();
}

// The baseline: the file read and picked, each listed record found by reference and its name and
// group code written where they differ, its DXCC numbers where they differ (the boxes of both
// lists are those stored, so neither side writes one), against a complete list the needed records
// it does not name deleted, and the shares replaced. Gives the number of records written.
int rawListApply(store::Database& db, const QString& fileName, bool complete) {
    const QByteArray bytes = readAll(fileName);
    const std::vector<PlainGroup> groups = plainGroups(bytes);
    store::Database::Transaction batch(db);
    int written = 0;
    QSet<QString> listed;
    QHash<QString, double> credited;
    store::Statement facts(db.handle(), QStringLiteral("SELECT DXCC FROM \"Groups\" WHERE IOTA = ?1"));
    store::Statement writeFacts(db.handle(), QStringLiteral("UPDATE \"Groups\" SET DXCC = ?1 WHERE IOTA = ?2"));
    std::vector<QString> references;
    for (const PlainGroup& group : groups) references.push_back(plainText(group.field("refno")).toUpper());
    for (const Continent& continent : continents()) {
        store::Statement select(
            db.handle(),
            QStringLiteral("SELECT rowid, Island, ABW FROM \"%1\" WHERE IOTA = ?1").arg(continent.tableName));
        store::Statement update(
            db.handle(),
            QStringLiteral("UPDATE \"%1\" SET Island = ?1, ABW = ?2 WHERE rowid = ?3").arg(continent.tableName));
        for (size_t i = 0; i < groups.size(); ++i) {
            const PlainGroup& group = groups[i];
            const QString& reference = references[i];
            if (!reference.startsWith(continent.code) || listed.contains(reference)) continue;
            listed.insert(reference);
            double share = 0;
            const QByteArrayView shareText = group.field("pc_credited");
            if (std::from_chars(shareText.cbegin(), shareText.cend(), share).ec == std::errc())
                credited.insert(reference, share);
            for (const char* edge : {"latitude_min", "latitude_max", "longitude_min", "longitude_max"}) {
                const QByteArrayView edgeText = group.field(edge);
                double degrees = 0;
                benchmark::DoNotOptimize(std::from_chars(edgeText.cbegin(), edgeText.cend(), degrees));
            }
            select.reset();
            select.bind(1, reference);
            if (!select.step()) continue;
            const QString name = plainText(group.field("name"));
            const QString code = plainGroupCode(group.field("grp_region"));
            if (select.columnText(1) != name || select.columnText(2) != code) {
                update.reset();
                update.bind(1, name);
                update.bind(2, code);
                update.bind(3, select.columnInteger(0));
                update.step();
                ++written;
            }
            const QString dxcc = plainText(group.field("dxcc_num"));
            facts.reset();
            facts.bind(1, reference);
            if (facts.step() && facts.columnText(0) != dxcc) {
                writeFacts.reset();
                writeFacts.bind(1, dxcc);
                writeFacts.bind(2, reference);
                writeFacts.step();
            }
        }
        if (!complete) continue;
        store::Statement needed(
            db.handle(), QStringLiteral("SELECT rowid, IOTA FROM \"%1\" WHERE Status = '-'").arg(continent.tableName));
        store::Statement remove(db.handle(), QStringLiteral("UPDATE \"%1\" SET Status = 'D', Prefix = 'DELETED', "
                                                            "Island = 'DELETED' WHERE rowid = ?1")
                                                 .arg(continent.tableName));
        while (needed.step()) {
            if (listed.contains(needed.columnText(1))) continue;
            remove.reset();
            remove.bind(1, needed.columnInteger(0));
            remove.step();
            ++written;
        }
    }
    db.execute(QStringLiteral("DELETE FROM \"Rarity\""));
    store::Statement insert(db.handle(), QStringLiteral("INSERT INTO \"Rarity\" (IOTA, Credited) VALUES (?1, ?2)"));
    for (auto share = credited.cbegin(); share != credited.cend(); ++share) {
        insert.reset();
        insert.bind(1, share.key());
        insert.bind(2, QString::number(share.value(), 'g', 17));
        insert.step();
    }
    batch.commit();
    return written;
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

// Read, preview and apply, as "skerrydesk-cli import-list" does, beside the baseline; both sides
// must write the same number of records.
void measureListApply(benchmark::State& state, const QString& fileName, bool complete) {
    int commandWrites = 0;
    int baselineWrites = 0;
    measureBesideBaseline(
        state, resetIslands,
        [&](store::Database& db, store::Table& table) {
            const IotaListPlan plan = planIotaListUpdate(table, readIotaJsonList(fileName));
            applyIotaListPlan(db, table, plan);
            commandWrites = plan.changed();
        },
        [&](store::Database& db) { baselineWrites = rawListApply(db, fileName, complete); });
    if (commandWrites != baselineWrites) {
        const std::string fault = QStringLiteral("the command wrote %1 records, the baseline %2")
                                      .arg(commandWrites)
                                      .arg(baselineWrites)
                                      .toStdString();
        state.SkipWithError(fault.c_str());
    }
    state.counters["records"] = commandWrites;
}

void IotaJsonListApply(benchmark::State& state) {
    measureListApply(state, jsonWorkload().fileName, false);
}
BENCHMARK(IotaJsonListApply)->UseManualTime()->Unit(benchmark::kMillisecond);

void IotaFullListApply(benchmark::State& state) {
    const QString fileName = realList();
    if (fileName.isEmpty()) {
        state.SkipWithError("the programme's list iota/fulllist.json is absent (it lives in " SKERRY_REAL_FILES ")");
        return;
    }
    measureListApply(state, fileName, true);
}
BENCHMARK(IotaFullListApply)->UseManualTime()->Unit(benchmark::kMillisecond);

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
        rawListApply(db, load.fileName, false);
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
