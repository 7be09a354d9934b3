// Measures the peak memory of a skerrydesk-cli process that reads a 50 MB input: an island list
// update text, a UPF log, a CSV file of confirmed contacts, a member file, an ADIF log (its
// accented names' lengths counted in UTF-8 bytes, as most loggers write them) and the award
// programme's JSON list (groups with their sub-groups and islands, as its fulllist.json), each
// applied to a fresh full-size data folder. Each row prints the child's peak resident memory (peak_mib, the
// largest of its runs), the limit (limit_mib) and their ratio; target: at most 2 times the file's
// size plus 20 MiB, a ratio of at most 1. The time is the command's wall time. Beside them, the
// map written from the intermediate coastlines, under 100 MiB.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "child_process.h"

namespace {

constexpr qint64 kInputBytes = 50'000'000;
constexpr double kBytesPerMib = 1024.0 * 1024.0;
constexpr double kAllowanceMib = 20;
constexpr qint64 kLongestLine = 4096;  // longer than any generated line or group, so the last one can be padded

// Runs the CLI in a working folder, its output and errors into files there. Its peak is the
// larger of the child's own peak and this process's size at the spawn, so this process keeps its
// inputs on disk.
ChildRun runCli(const QString& folder, const QStringList& arguments) {
    std::vector<std::string> words{SKERRY_CLI_PATH};
    for (const QString& argument : arguments) words.push_back(argument.toStdString());
    return runChild(words, folder.toStdString(), QDir(folder).filePath(QStringLiteral("cli-out.txt")).toStdString(),
                    QDir(folder).filePath(QStringLiteral("cli-err.txt")).toStdString());
}

double ownPeakMib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) * 1024.0 / kBytesPerMib;
}

QString errorsOf(const QString& folder) {
    QFile file(QDir(folder).filePath(QStringLiteral("cli-err.txt")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
}

void copyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator entries(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    while (entries.hasNext()) {
        const QFileInfo entry(entries.next());
        const QString target = QDir(to).filePath(entry.fileName());
        if (entry.isDir())
            copyFolder(entry.filePath(), target);
        else if (!QFile::copy(entry.filePath(), target))
            throw std::runtime_error("cannot copy " + entry.filePath().toStdString());
    }
}

// Deterministic across standard libraries: the engine's output is fixed, and the modulo is ours.
class Draw {
public:
    int below(int bound) { return int(m_engine() % std::uint32_t(bound)); }
    template <typename T, size_t N>
    const T& from(const std::array<T, N>& items) {
        return items[size_t(below(int(N)))];
    }

private:
    std::mt19937 m_engine{20260101};
};

const std::array<const char*, 7> kContinents{"AF", "AN", "AS", "EU", "NA", "OC", "SA"};
const std::array<const char*, 12> kPrefixes{"5R8", "VE7", "JA6", "EA8", "VK4", "KH6",
                                            "CE0", "ZL7", "SV5", "GM",  "EI",  "3B6"};
const std::array<const char*, 8> kPlaces{"Some",  "Northern", "Southern", "Outer",
                                         "Inner", "Eastern",  "Western",  "Great"};
const std::array<const char*, 6> kKinds{"Coastal Islands", "Island", "Islands", "Group", "Archipelago", "Cays"};
const std::array<const char*, 8> kCallPrefixes{"K", "W", "G", "DL", "JA", "VK", "F", "EA"};

QString reference(Draw& draw) {
    return QStringLiteral("%1-%2")
        .arg(QLatin1String(draw.from(kContinents)))
        .arg(draw.below(300) + 1, 3, 10, QChar(u'0'));
}

QString callsign(Draw& draw) {
    QString call = QLatin1String(draw.from(kCallPrefixes)) + QString::number(draw.below(10));
    for (int letters = 1 + draw.below(3); letters > 0; --letters) call += QChar(u'A' + draw.below(26));
    return call;
}

QString islandName(Draw& draw) {
    return QStringLiteral("%1 %2 number %3")
        .arg(QLatin1String(draw.from(kPlaces)), QLatin1String(draw.from(kKinds)))
        .arg(draw.below(100) + 1);
}

QString updateIslandLine(Draw& draw) {
    return QStringLiteral("ISLAND   %1 %2%3")
        .arg(reference(draw), QString::fromLatin1(draw.from(kPrefixes)).leftJustified(12), islandName(draw));
}

QString upfLine(Draw& draw) {
    return reference(draw) + u' ' + callsign(draw) + u' ' + QChar(u'a' + draw.below(26)) + QChar(u'a' + draw.below(26));
}

QString csvLine(Draw& draw) {
    const char* const status = draw.below(4) == 0 ? "Pending" : "Accepted";
    return QStringLiteral("\"%1\",\"%2\",\"%3\"").arg(reference(draw), callsign(draw), QLatin1String(status));
}

// The call column holds the credited callsign, or NONE for a needed island.
QString memberIslandLine(Draw& draw) {
    const QString call = draw.below(3) == 0 ? QStringLiteral("NONE") : callsign(draw);
    return QStringLiteral("ISLAND   %1 %2%3%4")
        .arg(reference(draw), call.leftJustified(15), QString::fromLatin1(draw.from(kPrefixes)).leftJustified(10),
             islandName(draw));
}

const std::array<const char*, 4> kOperatorNames{"Llu\xc3\x8dS", "J\xc3\xb6rg", "Ren\xc3\xa9", "Mark"};

// A QSO as a logger exports it, one a line; a card received for every other one.
QString adifQsoLine(Draw& draw) {
    const QString call = callsign(draw);
    const QByteArray name = draw.from(kOperatorNames);
    return QStringLiteral(
               "<CALL:%1>%2<QSO_DATE:8>2020%3%4<TIME_ON:4>1200<BAND:3>20M<MODE:2>CW<NAME:%5>%6"
               "<IOTA:6>%7<QSL_RCVD:1>%8<EOR>")
        .arg(call.size())
        .arg(call)
        .arg(draw.below(12) + 1, 2, 10, QChar(u'0'))
        .arg(draw.below(28) + 1, 2, 10, QChar(u'0'))
        .arg(name.size())
        .arg(QString::fromUtf8(name), reference(draw), QLatin1String(draw.below(2) == 0 ? "Y" : "N"));
}

const std::array<const char*, 6> kRegions{"", "", "", "AI", "BI", "WI"};
const std::array<const char*, 6> kIslandNames{"North",           "South",     "Ynys M\xc3\xb4n",
                                              "\\u00cele Verte", "Outer Cay", "Sk\xc3\xa6rgaard"};

QString degrees(Draw& draw, int range) {
    return QStringLiteral("%1.%2").arg(draw.below(2 * range) - range).arg(draw.below(100), 2, 10, QChar(u'0'));
}

// A group of the programme's list as its fulllist.json writes it, indented, with one to three
// sub-groups of one to eight islands each; followed by the comma before the next.
QString listGroupLines(Draw& draw) {
    const QString refno = reference(draw);
    QString group = QStringLiteral(
                        "  {\r\n    \"refno\": \"%1\",\r\n    \"name\": \"%2\",\r\n    \"dxcc_num\": \"%3\",\r\n"
                        "    \"latitude_max\": \"%4\",\r\n    \"latitude_min\": \"%5\",\r\n"
                        "    \"longitude_max\": \"%6\",\r\n    \"longitude_min\": \"%7\",\r\n"
                        "    \"grp_region\": \"%8\",\r\n    \"whitelist\": \"0\",\r\n    \"pc_credited\": \"%9\",\r\n"
                        "    \"comment\": \"\",\r\n    \"sub_groups\": [")
                        .arg(refno, islandName(draw))
                        .arg(draw.below(500) + 1)
                        .arg(degrees(draw, 90), degrees(draw, 90), degrees(draw, 180), degrees(draw, 180),
                             QLatin1String(draw.from(kRegions)), degrees(draw, 50).remove(u'-'));
    for (int subGroup = draw.below(3); subGroup >= 0; --subGroup) {
        group += QStringLiteral(
                     "\r\n      {\"subref\": \"%1-%2-0\", \"subname\": \"%3\", \"status\": \"Active\", "
                     "\"islands\": [")
                     .arg(refno)
                     .arg(subGroup)
                     .arg(islandName(draw));
        for (int island = draw.below(8); island >= 0; --island)
            group += QStringLiteral(
                         "\r\n        {\"id\": \"%1\", \"island_name\": \"%2\", \"comment\": \"\", "
                         "\"excluded\": \"0\"}%3")
                         .arg(draw.below(20000))
                         .arg(QString::fromUtf8(draw.from(kIslandNames)), QLatin1String(island > 0 ? "," : ""));
        group += QLatin1String(subGroup > 0 ? "]}," : "]}");
    }
    return group + QStringLiteral("]\r\n  },");
}

// The owner lines of a member file, a few award lines and a group line of each kind.
const QStringList kMemberHead{
    "CERTNAME John A. Smith, G3ABC",
    "NAME     John Smith",
    "CALLSIGN G3ABC",
    "DIRNUM   01234",
    "CHECKPT  G3KMA",
    "DATE     01-02-04",
    "ADDRESS1 1 High Street",
    "ADDRESS3 Little Snoring",
    "POSTTOWN FAKENHAM",
    "COUNTY   Norfolk",
    "POSTCODE NR21 0AA",
    "COUNTRY  England",
    "HPHONE   01328 000000",
    "EMAIL    g3abc@example.org",
    "STATUS   3",
    "MODES    4",
    "PREVCALL G3AAA G3BBB G3CCC",
    "COMMENT1 Island chaser since 1990",
    "AWARD    Award 1       10     01-01-04 Title 1",
    "AWARD    Award 2       20     02-01-04 Title 2",
    "AWARD    Award 3       30     03-01-04 Title 3",
    "AI       EU-001",
    "AI       AS-001",
    "AI       NA-001",
    "BI       EU-005",
    "WI       NA-015",
    "WI       SA-001",
};

// Writes the head lines, generated lines and the tail lines, exactly kInputBytes, each ended with
// CR LF; the last generated line is filled with blanks to the size.
void writeInput(const QString& fileName, const QStringList& head, const std::function<QString(Draw&)>& nextLine,
                const QStringList& tail = {}) {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write " + fileName.toStdString());
    Draw draw;
    QByteArray chunk;
    qint64 written = 0;
    const auto add = [&](const QByteArray& line) {
        chunk += line + "\r\n";
        if (chunk.size() < (1 << 20)) return;
        written += file.write(chunk);
        chunk.clear();
    };
    QByteArray ending;
    for (const QString& line : tail) ending += line.toUtf8() + "\r\n";
    for (const QString& line : head) add(line.toUtf8());
    while (written + chunk.size() < kInputBytes - kLongestLine - ending.size()) add(nextLine(draw).toUtf8());
    const qint64 rest = kInputBytes - written - chunk.size() - ending.size();
    const QByteArray last = nextLine(draw).toUtf8();
    add(last + QByteArray(rest - 2 - last.size(), ' '));
    chunk += ending;
    written += file.write(chunk);
    if (written != kInputBytes) throw std::runtime_error("cannot write " + fileName.toStdString());
}

// One temporary folder, removed at exit: a pristine data folder made by init, its inputs,
// and the working folder each run starts from.
class Workspace {
public:
    static Workspace& instance() {
        static Workspace workspace;
        return workspace;
    }

    QString work() const { return m_dir.filePath(QStringLiteral("work")); }
    QString input(const QString& name) const { return m_dir.filePath(name); }

    void restoreData() const {
        const QString data = QDir(work()).filePath(QStringLiteral("Data"));
        QDir(data).removeRecursively();
        copyFolder(m_dir.filePath(QStringLiteral("pristine")), data);
    }

private:
    Workspace() {
        if (!m_dir.isValid()) throw std::runtime_error("cannot make a temporary folder");
        QDir().mkpath(work());
        const ChildRun init = runCli(work(), {QStringLiteral("init")});
        if (init.exitCode != 0) throw std::runtime_error("init failed: " + errorsOf(work()).toStdString());
        copyFolder(QDir(work()).filePath(QStringLiteral("Data")), m_dir.filePath(QStringLiteral("pristine")));
        writeInput(input(QStringLiteral("update.txt")), {QStringLiteral("IOTA Directory - island list update")},
                   updateIslandLine);
        writeInput(input(QStringLiteral("log.upf")), {}, upfLine);
        writeInput(input(QStringLiteral("confirmed.csv")), {}, csvLine);
        writeInput(input(QStringLiteral("member.mbr")), kMemberHead, memberIslandLine);
        writeInput(input(QStringLiteral("log.adi")),
                   {QStringLiteral("Generated for the benchmark <ADIF_VER:5>3.1.4<EOH>")}, adifQsoLine);
        // The last group has no reference, so the one before it may end with a comma as all do.
        writeInput(input(QStringLiteral("fulllist.json")), {QStringLiteral("[")}, listGroupLines,
                   {QStringLiteral("  {\"name\": \"generated for the benchmark\"}"), QStringLiteral("]")});
    }

    QTemporaryDir m_dir;
};

// Runs the CLI on a fresh data folder once per iteration and gives the largest peak; none when a
// run failed or its peak cannot be told, the benchmark saying why.
std::optional<double> largestPeak(benchmark::State& state, const QStringList& arguments) {
    Workspace& workspace = Workspace::instance();
    double peakMib = 0;
    for (auto _ : state) {
        workspace.restoreData();
        const ChildRun run = runCli(workspace.work(), arguments);
        if (run.exitCode != 0) {
            const std::string failure = QStringLiteral("%1 failed (exit %2): %3")
                                            .arg(arguments.join(u' '))
                                            .arg(run.exitCode)
                                            .arg(errorsOf(workspace.work()))
                                            .toStdString();
            state.SkipWithError(failure.c_str());
            return std::nullopt;
        }
        if (run.peakMib <= ownPeakMib()) {
            state.SkipWithError("the child's peak is no larger than this process: its own peak cannot be told");
            return std::nullopt;
        }
        state.SetIterationTime(run.wallSeconds);
        peakMib = std::max(peakMib, run.peakMib);
    }
    return peakMib;
}

void reportPeak(benchmark::State& state, double peakMib, double limitMib) {
    state.counters["peak_mib"] = peakMib;
    state.counters["limit_mib"] = limitMib;
    state.counters["ratio"] = peakMib / limitMib;
}

void measurePeakMemory(benchmark::State& state, const QString& inputName, const QStringList& command) {
    const QString input = Workspace::instance().input(inputName);
    QStringList arguments = command;
    arguments.insert(1, input);
    const std::optional<double> peakMib = largestPeak(state, arguments);
    if (peakMib) reportPeak(state, *peakMib, 2 * double(QFileInfo(input).size()) / kBytesPerMib + kAllowanceMib);
}

void PeakMemory50MbUpdate(benchmark::State& state) {
    measurePeakMemory(state, QStringLiteral("update.txt"), {"update", "--no-backup"});
}
BENCHMARK(PeakMemory50MbUpdate)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void PeakMemory50MbUpfImport(benchmark::State& state) {
    measurePeakMemory(state, QStringLiteral("log.upf"), {"import-upf", "--mode", "worked", "--no-backup"});
}
BENCHMARK(PeakMemory50MbUpfImport)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void PeakMemory50MbCsvImport(benchmark::State& state) {
    measurePeakMemory(state, QStringLiteral("confirmed.csv"), {"import-csv", "--no-backup"});
}
BENCHMARK(PeakMemory50MbCsvImport)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void PeakMemory50MbMemberImport(benchmark::State& state) {
    measurePeakMemory(state, QStringLiteral("member.mbr"), {"import-member", "--no-backup"});
}
BENCHMARK(PeakMemory50MbMemberImport)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void PeakMemory50MbAdifImport(benchmark::State& state) {
    measurePeakMemory(state, QStringLiteral("log.adi"), {"import-adif", "--no-backup"});
}
BENCHMARK(PeakMemory50MbAdifImport)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void PeakMemory50MbJsonList(benchmark::State& state) {
    measurePeakMemory(state, QStringLiteral("fulllist.json"), {"import-list", "--no-backup"});
}
BENCHMARK(PeakMemory50MbJsonList)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// The map of the British Isles (the intermediate coastlines, the finest the package holds) written
// as a PNG of 1600 by 1000 pixels; target: under 100 MiB.
void PeakMemoryMapIntermediate(benchmark::State& state) {
    const std::optional<double> peakMib =
        largestPeak(state, {"map", "islands.png", "--size", "1600x1000", "--area", "-11,49,3,61"});
    if (peakMib) reportPeak(state, *peakMib, 100);
}
BENCHMARK(PeakMemoryMapIntermediate)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    try {
        Workspace::instance();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
