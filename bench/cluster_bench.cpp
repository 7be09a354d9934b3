// Measures the DX cluster reader: 100,000 spot lines as a node sends them (CR LF, bells, telnet
// no-operations, one spot in ten naming a reference of the full register) cut into lines, read
// and matched against the register, beside a baseline that only cuts the same bytes into lines
// and splits each line into its blank-separated fields (target: ratio at most 2).
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QList>

#include "bench_data.h"
#include "cluster/node_line.h"
#include "cluster/spot_matcher.h"
#include "cluster/telnet_line_reader.h"
#include "register/store/database.h"
#include "register/store/table.h"

namespace {

constexpr int kSpotLines = 100000;

// The comments of the spots: plain ones, decoys, and in one line in ten a reference.
const char* const kComments[] = {"up 2",        "tnx QSO 73",      "New DX NA 579", "CQ CQ tnx EU7F", "5NN",
                                 "QSX 14028.5", "SOTA W7A/NA-066", "loud in JO01",  "pse QRZ",        "cq dx"};

struct ClusterWorkload {
    SpotMatcher matcher;
    QByteArray stream;

    ClusterWorkload() {
        store::Database db(BenchData::instance().dataFolder());
        store::Table table(db);
        const IslandRecordStates records = readIslandRecordStates(table);
        matcher = SpotMatcher(records);
        const QStringList references = records.keys();
        for (int i = 0; i < kSpotLines; ++i) {
            const QString comment = i % 10 == 0 ? QStringLiteral("IOTA %1 up 1").arg(references[i % references.size()])
                                                : QString::fromLatin1(kComments[i % std::size(kComments)]);
            const QByteArray line =
                QString::asprintf("DX de %-9s %8.1f  %-12s %-30s %02d%02dZ",
                                  qPrintable(QStringLiteral("K%1AB:").arg(i % 10)), 14000.0 + (i % 350),
                                  qPrintable(QStringLiteral("G%1X").arg(i)), qPrintable(comment), (i / 60) % 24, i % 60)
                    .toLatin1();
            stream += line + (i % 3 == 0 ? "\a\a\r\n" : i % 7 == 0 ? "\xFF\xF1\r\n" : "\r\n");
        }
    }
};

const ClusterWorkload& clusterWorkload() {
    static const ClusterWorkload load;
    return load;
}

// The reader: the telnet lines, each line read, each spot matched.
size_t readAndMatch(const ClusterWorkload& load) {
    TelnetLineReader reader;
    std::vector<QString> lines;
    lines.reserve(kSpotLines);
    reader.read(load.stream, lines);
    size_t islandSpots = 0;
    for (const QString& line : lines) {
        const NodeLine read = readNodeLine(line);
        if (read.kind == NodeLineKind::Spot) islandSpots += load.matcher.islandSpots(read.spot).size();
    }
    return islandSpots;
}

// The baseline: the same bytes cut at the line feeds, decoded, and split into blank-separated fields.
size_t splitIntoFields(const QByteArray& stream) {
    size_t fields = 0;
    qsizetype start = 0;
    while (start < stream.size()) {
        qsizetype end = stream.indexOf('\n', start);
        if (end < 0) end = stream.size();
        const QString line = QString::fromUtf8(QByteArrayView(stream).sliced(start, end - start).chopped(1));
        fields += size_t(QStringView(line).split(u' ', Qt::SkipEmptyParts).size());
        start = end + 1;
    }
    return fields;
}

void ClusterSpots100k(benchmark::State& state) {
    const ClusterWorkload& load = clusterWorkload();
    double readerSeconds = 0;
    double baselineSeconds = 0;
    QElapsedTimer timer;
    for (auto _ : state) {
        timer.start();
        const size_t islandSpots = readAndMatch(load);
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        readerSeconds += seconds;
        if (islandSpots != size_t(kSpotLines / 10)) state.SkipWithError("not every reference was found");
        timer.start();
        benchmark::DoNotOptimize(splitIntoFields(load.stream));
        baselineSeconds += double(timer.nsecsElapsed()) / 1e9;
    }
    state.counters["baseline_ms"] = baselineSeconds * 1000 / double(state.iterations());
    state.counters["ratio"] = readerSeconds / baselineSeconds;
    state.counters["lines"] = kSpotLines;
}
BENCHMARK(ClusterSpots100k)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
