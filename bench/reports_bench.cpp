// Measures the summaries, the want lists, a 300-record island list and the printed summary to
// PDF on a full-size data folder, against the limits the program must keep. Each PDF beside its
// baseline, the same texts written with plain QPdfWriter/QPainter calls, with the ratio; the
// first iteration (fonts not yet loaded) apart from the steady ones.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <map>

#include "bench_data.h"
#include "plain_pdf_page.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "reports/award_summary.h"
#include "reports/island_list_report.h"
#include "reports/island_lists.h"
#include "reports/render/pdf_output.h"
#include "reports/summary_report.h"
#include "reports/want_list.h"

namespace {

constexpr int kListRecords = 300;

// The continental summary and the group summary, one after the other, as the user asks for them.
void ContinentalAndGroupSummary(benchmark::State& state) {
    store::Database db(BenchData::instance().dataFolder());
    store::Table table(db);
    for (auto _ : state) {
        benchmark::DoNotOptimize(reports::countSummary(table, reports::SummaryKind::Continental));
        benchmark::DoNotOptimize(reports::countSummary(table, reports::SummaryKind::Group));
    }
}
BENCHMARK(ContinentalAndGroupSummary)->Unit(benchmark::kMillisecond);

// The want-list text of "&needed (-)" and of "n&eeded (-/W)".
void BothWantLists(benchmark::State& state) {
    store::Database db(BenchData::instance().dataFolder());
    store::Table table(db);
    for (auto _ : state)
        for (const reports::WantListKind& kind : reports::wantListKinds())
            benchmark::DoNotOptimize(reports::wantListText(table, kind));
}
BENCHMARK(BothWantLists)->Unit(benchmark::kMillisecond);

// Times the report written through the program's renderer against the plain calls; the first
// call of the whole program is its own counter, before the fonts are loaded.
void compareWithPlainPdf(benchmark::State& state, const std::function<void()>& report,
                         const std::function<void()>& plain, double& first) {
    double reportSeconds = 0;
    double plainSeconds = 0;
    QElapsedTimer timer;
    for (auto _ : state) {
        timer.start();
        report();
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        if (first < 0) first = seconds;
        state.SetIterationTime(seconds);
        reportSeconds += seconds;
        timer.start();
        plain();
        plainSeconds += double(timer.nsecsElapsed()) / 1e9;
    }
    state.counters["first_ms"] = first * 1000;
    state.counters["baseline_ms"] = plainSeconds * 1000 / double(state.iterations());
    state.counters["ratio"] = reportSeconds / plainSeconds;
}

// 300 island records read through the handle, laid out and written as a PDF file.
void IslandListToPdf(benchmark::State& state) {
    static double first = -1;
    store::Database db(BenchData::instance().dataFolder());
    store::Table table(db);
    const reports::IslandListRequest list{"IOTA Oceania (needed)", "IOTA-OC", "Status <> 'D'"};
    QTemporaryDir dir;
    const QString file = dir.filePath("list.pdf");
    reports::RecordSet sample = reports::readIslandList(table, list);
    sample.rows.resize(kListRecords);
    compareWithPlainPdf(
        state,
        [&] {
            reports::RecordSet records = reports::readIslandList(table, list);
            records.rows.resize(kListRecords);
            const reports::Report report =
                reports::islandListReport(list.title, std::move(records), reports::ownerPageHeader("DL1ABC", "4711"));
            benchmark::DoNotOptimize(
                reports::writeReportPdf(report, file, QPageSize(QPageSize::A4), "05.03.2004 14:07:09"));
        },
        [&] { plainPdf(dir.filePath("plain.pdf"), list.title, sample.rows); }, first);
}
BENCHMARK(IslandListToPdf)->UseManualTime()->Unit(benchmark::kMillisecond);

// The printed summary, counted once, written as its one landscape PDF page.
void PrintedSummaryToPdf(benchmark::State& state) {
    static double first = -1;
    store::Database db(BenchData::instance().dataFolder());
    store::Table table(db);
    QTemporaryDir dir;
    const QString file = dir.filePath("summary.pdf");
    const std::vector<reports::SummaryRow> rows = reports::countSummary(table, reports::SummaryKind::Printed);
    std::vector<QStringList> lines;
    for (const reports::SummaryRow& row : rows)
        lines.push_back({row.caption, QString::number(row.counts.tot), QString::number(row.counts.c)});
    compareWithPlainPdf(
        state,
        [&] {
            const reports::Report report = reports::summaryReport(rows, reports::ownerPageHeader("DL1ABC", "4711"));
            benchmark::DoNotOptimize(
                reports::writeReportPdf(report, file, QPageSize(QPageSize::A4), "05.03.2004 14:07:09"));
        },
        [&] { plainPdf(dir.filePath("plain.pdf"), "Summary", lines); }, first);
}
BENCHMARK(PrintedSummaryToPdf)->UseManualTime()->Unit(benchmark::kMillisecond);

// Keeps each run's time per iteration for the closing comparison with the limits.
class LimitReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration) m_milliseconds[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    const std::map<std::string, double>& milliseconds() const { return m_milliseconds; }

private:
    std::map<std::string, double> m_milliseconds;
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    spreadStatusesAndGroups();
    LimitReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const std::map<std::string, double> limits{{"ContinentalAndGroupSummary", 10},
                                               {"BothWantLists", 20},
                                               {"IslandListToPdf/manual_time", 40},
                                               {"PrintedSummaryToPdf/manual_time", 40}};
    for (const auto& [name, limit] : limits) {
        const auto measured = reporter.milliseconds().find(name);
        if (measured == reporter.milliseconds().end()) continue;
        std::printf("%-32s %8.2f ms  (limit %3.0f ms) %s\n", name.c_str(), measured->second, limit,
                    measured->second < limit ? "ok" : "TOO SLOW");
    }
    benchmark::Shutdown();
    return 0;
}
