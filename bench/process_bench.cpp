// Times whole skerrydesk-cli processes beside plain programs that print the same bytes, on a
// full-size data folder with worked, claimed and approved records: `--help` beside a bare Qt Core
// program, the text reports beside small C programs on SQLite's C API (bench/baselines/), the
// reports written as PDF beside a plain Qt Gui program. Before a row is timed, the CLI's output
// must equal the baseline's byte for byte. The two run in turn, a pair per iteration, the first
// of the pair alternating; each row gives the medians of both (cli_ms, baseline_ms), the median
// of the pairs' ratios (ratio) and the target of that ratio (target).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench_data.h"
#include "child_process.h"

namespace {

constexpr int kSeries = 15;

using Words = std::vector<std::string>;

// The folder the runs write their output, errors and PDF files into.
const QTemporaryDir& outputFolder() {
    static const QTemporaryDir folder;
    return folder;
}

std::string outputFile(const char* name) {
    return outputFolder().filePath(QLatin1String(name)).toStdString();
}

QByteArray contentOf(const std::string& fileName) {
    QFile file(QString::fromStdString(fileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs a program on the data folder; its output into `out`, its errors into a file of the same
// name with ".err". Fails naming the program and its errors when it does not exit with 0.
ChildRun run(const Words& words, const std::string& out) {
    const ChildRun child = runChild(words, BenchData::instance().workingFolder().toStdString(), out, out + ".err");
    if (child.exitCode != 0)
        throw std::runtime_error(words.front() + " failed (exit " + std::to_string(child.exitCode) +
                                 "): " + contentOf(out + ".err").trimmed().toStdString());
    return child;
}

// The first line where the two outputs differ, with both versions; empty when they are equal.
std::string firstDifference(const QByteArray& cli, const QByteArray& baseline) {
    if (cli == baseline) return {};
    const QList<QByteArray> cliLines = cli.split('\n');
    const QList<QByteArray> baselineLines = baseline.split('\n');
    qsizetype line = 0;
    while (line < cliLines.size() && line < baselineLines.size() && cliLines[line] == baselineLines[line]) ++line;
    const auto lineOf = [line](const QList<QByteArray>& lines) {
        return line < lines.size() ? lines[line].toStdString() : std::string("(no line)");
    };
    return "output differs at line " + std::to_string(line + 1) + ": CLI \"" + lineOf(cliLines) + "\", baseline \"" +
           lineOf(baselineLines) + "\"";
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Checks that both print the same bytes, then times them in pairs.
void compareProcesses(benchmark::State& state, const Words& cliArguments, const Words& baseline, double target) {
    Words cli{SKERRY_CLI_PATH};
    cli.insert(cli.end(), cliArguments.begin(), cliArguments.end());
    std::vector<double> cliSeconds, baselineSeconds, ratios;
    try {
        run(cli, outputFile("cli.txt"));
        run(baseline, outputFile("baseline.txt"));
        const std::string difference =
            firstDifference(contentOf(outputFile("cli.txt")), contentOf(outputFile("baseline.txt")));
        if (!difference.empty()) {
            state.SkipWithError(difference.c_str());
            return;
        }
        for (auto _ : state) {
            const bool cliFirst = cliSeconds.size() % 2 == 0;
            const double first = run(cliFirst ? cli : baseline, "/dev/null").wallSeconds;
            const double second = run(cliFirst ? baseline : cli, "/dev/null").wallSeconds;
            cliSeconds.push_back(cliFirst ? first : second);
            baselineSeconds.push_back(cliFirst ? second : first);
            ratios.push_back(cliSeconds.back() / baselineSeconds.back());
            state.SetIterationTime(cliSeconds.back());
        }
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
        return;
    }
    state.counters["cli_ms"] = median(cliSeconds) * 1000;
    state.counters["baseline_ms"] = median(baselineSeconds) * 1000;
    state.counters["ratio"] = median(ratios);
    state.counters["target"] = target;
}

void registerComparison(const char* name, const Words& cliArguments, const Words& baseline, double target) {
    benchmark::RegisterBenchmark(
        name, [=](benchmark::State& state) { compareProcesses(state, cliArguments, baseline, target); })
        ->UseManualTime()
        ->Iterations(kSeries)
        ->Unit(benchmark::kMillisecond);
}

void registerComparisons() {
    const std::string pdf = outputFile("cli.pdf");
    const std::string plainPdf = outputFile("plain.pdf");
    registerComparison("CliHelpVsBareQtCore", {"--help"}, {SKERRY_BARE_QT_CORE}, 1.3);
    registerComparison("CliSummaryVsC", {"summary"}, {SKERRY_C_SUMMARY}, 2);
    registerComparison("CliSummaryGroupsVsC", {"summary", "--groups"}, {SKERRY_C_SUMMARY, "--groups"}, 2);
    registerComparison("CliWantListVsC", {"want-list"}, {SKERRY_C_WANT_LIST}, 2);
    registerComparison("CliWantListWorkedVsC", {"want-list", "--worked"}, {SKERRY_C_WANT_LIST, "--worked"}, 2);
    registerComparison("CliIslandListEuNeededVsC", {"island-list", "eu", "needed"},
                       {SKERRY_C_ISLAND_LIST, "IOTA-EU", "-"}, 2);
    registerComparison("CliIslandListPdfVsPlainQtGui", {"island-list", "eu", "needed", "--pdf", pdf},
                       {SKERRY_PLAIN_PDF, plainPdf, "island-list", "IOTA-EU", "-"}, 1.3);
    registerComparison("CliPrintSummaryPdfVsPlainQtGui", {"print-summary", "--pdf", pdf},
                       {SKERRY_PLAIN_PDF, plainPdf, "summary"}, 1.3);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    try {
        spreadStatusesAndGroups();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    registerComparisons();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
