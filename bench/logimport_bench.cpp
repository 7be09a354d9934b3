// Measures the UPF import, the CSV import and the island list update on the full data folder,
// one input line per reference, each beside raw prepared SQLite statements that make the same
// row changes in one transaction. Each row prints the command's time, the baseline's and their
// ratio (targets: under 60 ms, ratio at most 3). The ADIF import reads a log of 100,000 QSOs,
// once only planning (import-adif --dry-run) and once writing, beside a baseline that reads the
// same file with a plain byte scan and makes the same row changes with raw statements. A big UPF
// log (50 MB, generated) is read and imported beside a plain scan of its bytes that finds each
// reference's first line and makes the same row changes; both print their milliseconds per MB.
#include <benchmark/benchmark.h>

#include <QDate>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <functional>
#include <map>
#include <random>
#include <unordered_set>

#include "base/text_file.h"
#include "bench_data.h"
#include "listupdate/list_update.h"
#include "logimport/adif_import.h"
#include "logimport/csv_import.h"
#include "logimport/upf_import.h"
#include "member_workload.h"
#include "register/codes.h"
#include "register/start_state.h"
#include "register/store/database.h"
#include "register/store/table.h"

namespace {

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
            load.changes.push_back({continent.tableName, "IOTA", select.columnText(0), fields, values});
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

// The status and call a plain reader gives each reference of the benchmark's log: the log is in
// date order, so a reference's first QSO of each kind is its earliest.
struct PlainDecision {
    QString status;
    QString call;
};

// The value of a field within one record's bytes, found by a plain search for its tag.
QByteArrayView plainValue(QByteArrayView record, QByteArrayView tag) {
    const qsizetype at = record.indexOf(tag);
    if (at < 0) return {};
    qsizetype i = at + tag.size();
    qsizetype length = 0;
    while (record[i] != '>') length = length * 10 + (record[i++] - '0');
    return record.sliced(i + 1, length);
}

// Reads the log as bytes, a record at a time, and decides each reference as the import's rules do.
std::vector<RowChange> plainAdifChanges(const QString& fileName, const IslandRecordStates& records) {
    const QByteArray bytes = readTextFileBytes(fileName);
    std::map<QByteArray, PlainDecision> decided;
    const auto rank = [](const QString& status) { return QStringLiteral("WCA").indexOf(status); };
    for (qsizetype start = bytes.indexOf("<EOH>") + 5, end; (end = bytes.indexOf("<EOR>", start)) >= 0;
         start = end + 5) {
        const QByteArrayView record = QByteArrayView(bytes).sliced(start, end - start);
        const QByteArrayView reference = plainValue(record, "<IOTA:");
        const QString status = plainValue(record, "<CREDIT_GRANTED:") == "IOTA" ? QStringLiteral("A")
                               : plainValue(record, "<QSL_RCVD:") == "Y"        ? QStringLiteral("C")
                                                                                : QStringLiteral("W");
        PlainDecision& decision = decided[reference.toByteArray()];
        if (rank(status) > rank(decision.status))
            decision = {status, QString::fromLatin1(plainValue(record, "<CALL:"))};
    }
    std::vector<RowChange> changes;
    for (const auto& [reference, decision] : decided) {
        const IslandRecordState& record = records[QString::fromLatin1(reference)];
        if (rank(decision.status) > rank(record.status))
            changes.push_back({record.tableName,
                               "IOTA",
                               QString::fromLatin1(reference),
                               {"Status", "Call"},
                               {decision.status, decision.call}});
    }
    return changes;
}

constexpr int kAdifQsos = 100000;

// A QSO as a logger exports it, one a line; its IOTA reference is confirmed by a credit, by a
// card or not at all, by the reference's place in the tables.
QString adifQso(int qso, const QString& reference, int place, int referenceCount) {
    const QString call = QStringLiteral("K%1").arg(qso);
    const QString date = QDate(2000, 1, 1).addDays(qso / referenceCount).toString(QStringLiteral("yyyyMMdd"));
    const QString confirmation = place % 3 == 0   ? QStringLiteral("<CREDIT_GRANTED:4>IOTA")
                                 : place % 3 == 1 ? QStringLiteral("<QSL_RCVD:1>Y")
                                                  : QStringLiteral("<QSL_RCVD:1>N");
    return QStringLiteral(
               "<CALL:%1>%2<QSO_DATE:8>%3<TIME_ON:4>1200<BAND:3>20M<MODE:2>CW<FREQ:6>14.025"
               "<RST_SENT:3>599<RST_RCVD:3>599<NAME:8>Operator<IOTA:6>%4%5<EOR>")
        .arg(call.size())
        .arg(call, date, reference, confirmation);
}

// A generated input's name in a temporary folder of its own, removed at exit.
struct GeneratedFile {
    explicit GeneratedFile(const QString& name) : fileName(dir.filePath(name)) {}
    QTemporaryDir dir;
    QString fileName;
};

// The log spread over every record of the full data folder, written once, and the row changes
// its import makes, as the plan finds them.
struct AdifWorkload {
    GeneratedFile file{QStringLiteral("log.adi")};
    Workload rows;
};

const AdifWorkload& adifWorkload() {
    static const AdifWorkload load = [] {
        AdifWorkload made;
        made.rows = {
            {QStringLiteral("ADIF export <ADIF_VER:5>3.1.4<EOH>")}, {"Status", "Call"}, {}, "Status = '-', Call = ''"};
        store::Database db(BenchData::instance().dataFolder());
        store::Table table(db);
        resetTables(db, made.rows.reset);
        const IslandRecordStates records = readIslandRecordStates(table);
        QStringList references = records.keys();
        references.sort();
        for (int qso = 0; qso < kAdifQsos; ++qso) {
            const int place = qso % int(references.size());
            made.rows.lines << adifQso(qso, references[place], place, int(references.size()));
        }
        writeTextFile(made.file.fileName, made.rows.lines);
        const AdifPlan plan =
            planAdifImport(readAdifLog(made.file.fileName, records), records, defaultConfirmationSources());
        for (const PlannedChange& change : plan.changes)
            made.rows.changes.push_back(
                {change.tableName, "IOTA", change.reference, made.rows.fields, {change.after, change.call}});
        if (plainAdifChanges(made.file.fileName, records).size() != made.rows.changes.size())
            qFatal("the plain ADIF reader decides otherwise than the import");
        return made;
    }();
    return load;
}

using Command = std::function<void(store::Database&, store::Table&, const QStringList&, const StartCounts&)>;
using Baseline = std::function<void(store::Database&, const Workload&)>;

void rawRowChangesOf(store::Database& db, const Workload& load) {
    rawRowChanges(db, load.changes);
}

// Times the command and the baseline in turn on freshly reset tables; the command's time is the
// benchmark's, the baseline's and the ratio are its counters.
void measureBesideBaseline(benchmark::State& state, const Workload& load, const Command& command,
                           const Baseline& baseline = rawRowChangesOf) {
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
        baseline(db, load);
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

AdifPlan planAdifFile(store::Table& table) {
    const IslandRecordStates records = readIslandRecordStates(table);
    return planAdifImport(readAdifLog(adifWorkload().file.fileName, records), records, defaultConfirmationSources());
}

// The baseline reads the island records with plain statements and the log as plain bytes.
void plainAdifImport(store::Database& db, const Workload&, bool write) {
    IslandRecordStates records;
    for (const Continent& continent : continents()) {
        store::Statement& select =
            db.prepare(QStringLiteral("SELECT IOTA, Island, Status FROM \"%1\"").arg(continent.tableName));
        while (select.step())
            records.insert(select.columnText(0), {continent.tableName, select.columnText(1), select.columnText(2)});
    }
    const std::vector<RowChange> changes = plainAdifChanges(adifWorkload().file.fileName, records);
    if (write) rawRowChanges(db, changes);
}

void AdifDryRun100kQsos(benchmark::State& state) {
    measureBesideBaseline(
        state, adifWorkload().rows,
        [](store::Database&, store::Table& table, const QStringList&, const StartCounts&) {
            benchmark::DoNotOptimize(planAdifFile(table));
        },
        [](store::Database& db, const Workload& load) { plainAdifImport(db, load, false); });
}
BENCHMARK(AdifDryRun100kQsos)->UseManualTime()->Unit(benchmark::kMillisecond);

void AdifImport100kQsos(benchmark::State& state) {
    measureBesideBaseline(
        state, adifWorkload().rows,
        [](store::Database& db, store::Table& table, const QStringList&, const StartCounts&) {
            applyAdifPlan(db, table, planAdifFile(table));
        },
        [](store::Database& db, const Workload& load) { plainAdifImport(db, load, true); });
}
BENCHMARK(AdifImport100kQsos)->UseManualTime()->Unit(benchmark::kMillisecond);

constexpr qint64 kBigUpfBytes = 50'000'000;

// A 50 MB UPF log of random contacts: a few thousand references, each named again and again.
const GeneratedFile& bigUpfLog() {
    static const GeneratedFile log = [] {
        GeneratedFile made(QStringLiteral("big.upf"));
        std::mt19937 draw(20260101);
        const auto below = [&](int n) { return int(draw() % unsigned(n)); };
        const char* const callPrefixes[] = {"K", "W", "G", "DL", "JA", "VK", "F", "EA"};
        QByteArray bytes;
        bytes.reserve(kBigUpfBytes + 64);
        while (bytes.size() < kBigUpfBytes) {
            bytes += continents()[size_t(below(7))].code.toLatin1() + '-';
            bytes += QByteArray::number(below(300) + 1).rightJustified(3, '0') + ' ';
            bytes += QByteArray(callPrefixes[below(8)]) + char('0' + below(10));
            for (int letters = 1 + below(3); letters > 0; --letters) bytes += char('A' + below(26));
            bytes += ' ';
            bytes += char('a' + below(26));
            bytes += char('a' + below(26));
            bytes += "\r\n";
        }
        QFile file(made.fileName);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) qFatal("cannot write the big log");
        return made;
    }();
    return log;
}

// The plain way through a log whose words are whole references: its bytes cut into lines at LF,
// each reference's first line split into call and comment, the row changes made with raw statements.
int plainUpfImport(store::Database& db, const QString& fileName, const QSet<QString>& references) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read the big log");
    const QByteArray bytes = file.readAll();
    std::unordered_set<std::string_view> seen;
    std::vector<RowChange> changes;
    const QStringList fields{"Call", "Status", "Comment"};
    for (qsizetype start = 0, end; start < bytes.size(); start = end + 1) {
        end = bytes.indexOf('\n', start);
        if (end < 0) end = bytes.size();
        const std::string_view line(bytes.constData() + start, size_t(end - start));
        const size_t blank = line.find(' ');
        if (blank == std::string_view::npos || !seen.insert(line.substr(0, blank)).second) continue;
        const QString reference = QString::fromLatin1(line.substr(0, blank));
        if (!references.contains(reference)) continue;
        const std::string_view rest = line.substr(blank + 1);
        const size_t callEnd = rest.find(' ');
        const QString call = QString::fromLatin1(rest.substr(0, callEnd));
        const QString comment = QString::fromLatin1(rest.substr(callEnd + 1)).trimmed();
        changes.push_back(
            {continentByCode(reference.left(2))->tableName, "IOTA", reference, fields, {call, "W", comment}});
    }
    rawRowChanges(db, changes);
    return int(changes.size());
}

void UpfImportBigLog(benchmark::State& state) {
    const GeneratedFile& log = bigUpfLog();
    store::Database db(BenchData::instance().dataFolder());
    store::Table table(db);
    const QString reset = upfWorkload().reset;
    const QList<QString> keys = readIslandRecordStates(table).keys();
    const QSet<QString> references(keys.begin(), keys.end());
    double commandSeconds = 0;
    double baselineSeconds = 0;
    QElapsedTimer timer;
    for (auto _ : state) {
        resetTables(db, reset);
        timer.start();
        const int written = importUpf(db, table, readTextLines(log.fileName), ImportMode::Worked);
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        commandSeconds += seconds;
        resetTables(db, reset);
        timer.start();
        const int plainWritten = plainUpfImport(db, log.fileName, references);
        baselineSeconds += double(timer.nsecsElapsed()) / 1e9;
        if (written != plainWritten) qFatal("the plain UPF scan writes otherwise than the import");
    }
    const double megabytes = double(kBigUpfBytes) / 1e6 * double(state.iterations());
    state.counters["ms_per_mb"] = commandSeconds * 1000 / megabytes;
    state.counters["baseline_ms_per_mb"] = baselineSeconds * 1000 / megabytes;
    state.counters["ratio"] = commandSeconds / baselineSeconds;
}
BENCHMARK(UpfImportBigLog)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
