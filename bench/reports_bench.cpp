// Measures the summaries, the want lists and an island list printed to PDF on a full-size
// data folder, against the limits the program must keep.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <map>

#include "bench_data.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "reports/award_summary.h"
#include "reports/island_list_report.h"
#include "reports/island_lists.h"
#include "reports/render/pdf_output.h"
#include "reports/want_list.h"

namespace {

constexpr int kListRecords = 300;

// Statuses and groups spread over the folder, so that every count reads records.
void spreadStatusesAndGroups() {
    store::Database db(BenchData::instance().dataFolder());
    for (const char* table : {"IOTA-AF", "IOTA-AN", "IOTA-AS", "IOTA-EU", "IOTA-NA", "IOTA-OC", "IOTA-SA"}) {
        db.execute(QStringLiteral("UPDATE \"%1\" SET Status = 'W' WHERE Status = '-' AND Key % 3 = 0").arg(table));
        db.execute(QStringLiteral("UPDATE \"%1\" SET Status = 'A' WHERE Status = '-' AND Key % 5 = 0").arg(table));
        db.execute(QStringLiteral("UPDATE \"%1\" SET Status = 'C' WHERE Status = '-' AND Key % 7 = 0").arg(table));
    }
    db.execute("UPDATE \"IOTA-EU\" SET ABW = 'A' WHERE Key % 11 = 0");
    db.execute("UPDATE \"IOTA-EU\" SET ABW = 'B' WHERE Key % 13 = 0");
    db.execute("UPDATE \"IOTA-AS\" SET ABW = 'A' WHERE Key % 17 = 0");
    db.execute("UPDATE \"IOTA-NA\" SET ABW = 'A' WHERE Key % 19 = 0");
    db.execute("UPDATE \"IOTA-NA\" SET ABW = 'W' WHERE Key % 4 = 0");
    db.execute("UPDATE \"IOTA-SA\" SET ABW = 'W' WHERE Key % 6 = 0");
}

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

// 300 island records read through the handle, laid out and written as a PDF file.
void IslandListToPdf(benchmark::State& state) {
    store::Database db(BenchData::instance().dataFolder());
    store::Table table(db);
    const reports::IslandListRequest list{"IOTA Oceania (needed)", "IOTA-OC", "Status <> 'D'"};
    QTemporaryDir dir;
    const QString file = dir.filePath("list.pdf");
    for (auto _ : state) {
        reports::RecordSet records = reports::readIslandList(table, list);
        records.rows.resize(kListRecords);
        const reports::Report report =
            reports::islandListReport(list.title, std::move(records), reports::ownerPageHeader("DL1ABC", "4711"));
        benchmark::DoNotOptimize(
            reports::writeReportPdf(report, file, QPageSize(QPageSize::A4), "05.03.2004 14:07:09"));
    }
}
BENCHMARK(IslandListToPdf)->Unit(benchmark::kMillisecond);

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
    const std::map<std::string, double> limits{
        {"ContinentalAndGroupSummary", 10}, {"BothWantLists", 20}, {"IslandListToPdf", 300}};
    for (const auto& [name, limit] : limits) {
        const auto measured = reporter.milliseconds().find(name);
        if (measured == reporter.milliseconds().end()) continue;
        std::printf("%-28s %8.2f ms  (limit %3.0f ms) %s\n", name.c_str(), measured->second, limit,
                    measured->second < limit ? "ok" : "TOO SLOW");
    }
    benchmark::Shutdown();
    return 0;
}
