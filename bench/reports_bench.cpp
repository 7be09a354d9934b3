// Measures the summaries, the want lists, a 300-record island list and the printed summary to
// PDF on a full-size data folder, against the limits the program must keep. Each PDF beside its
// baseline, the same texts and rules already laid out written with plain QPdfWriter/QPainter
// calls, with the ratio; the
// first iteration (fonts not yet loaded) apart from the steady ones.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <map>

#include "bench_data.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "reports/award_summary.h"
#include "reports/island_list_report.h"
#include "reports/island_lists.h"
#include "reports/render/page_layout.h"
#include "reports/render/page_setup.h"
#include "reports/render/pdf_output.h"
#include "reports/render/report_fonts.h"
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

// The baseline of a report: the same texts in the same fonts at the same places, and the same
// rules, drawn with plain QPdfWriter/QPainter calls into a file saved as the program saves it;
// only the laying out (measuring, cutting, breaking into pages) is done beforehand, once.
bool sameStyle(const reports::TextStyle& a, const reports::TextStyle& b) {
    return a.pointSize == b.pointSize && a.bold == b.bold && a.italic == b.italic;
}

class PlainPdf {
public:
    explicit PlainPdf(const reports::Report& report) : m_report(report) {
        QPdfWriter scratch(m_dir.filePath("scratch.pdf"));
        reports::applyPageSetup(report, scratch, QPageSize(QPageSize::A4));
        const QSizeF area = scratch.pageLayout().paintRect(QPageLayout::Millimeter).size();
        m_pages = reports::layoutReport(report, scratch, area, "05.03.2004 14:07:09");
    }

    void write() const {
        QSaveFile file(m_dir.filePath("plain.pdf"));
        file.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&file);
            writer.setTitle(m_report.title);
            reports::applyPageSetup(m_report, writer, QPageSize(QPageSize::A4));
            const double perMm = writer.logicalDpiX() / 25.4;
            QPainter painter(&writer);
            painter.setPen(QPen(Qt::black, 0.25 * perMm));
            const reports::TextStyle* font = nullptr;  // the painter's font is set when the style changes
            double ascent = 0;
            for (size_t page = 0; page < m_pages.size(); ++page) {
                if (page > 0) writer.newPage();
                for (const reports::PlacedBand& band : m_pages[page].bands) {
                    for (const QLineF& line : band.lines) painter.drawLine(line.p1() * perMm, line.p2() * perMm);
                    for (const reports::PlacedText& text : band.texts) {
                        if (!font || !sameStyle(text.style, *font)) {
                            font = &text.style;
                            painter.setFont(reports::reportFont(text.style));
                            ascent = painter.fontMetrics().ascent();
                        }
                        const QPointF topLeft = text.rect.topLeft() * perMm;
                        painter.drawText(QPointF(topLeft.x(), topLeft.y() + ascent), text.text);
                    }
                }
            }
        }
        file.commit();
    }

private:
    const reports::Report& m_report;
    QTemporaryDir m_dir;
    std::vector<reports::LaidOutPage> m_pages;
};

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
    const reports::Report sampleReport =
        reports::islandListReport(list.title, std::move(sample), reports::ownerPageHeader("DL1ABC", "4711"));
    const PlainPdf plain(sampleReport);
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
        [&] { plain.write(); }, first);
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
    const reports::Report sampleReport = reports::summaryReport(rows, reports::ownerPageHeader("DL1ABC", "4711"));
    const PlainPdf plain(sampleReport);
    compareWithPlainPdf(
        state,
        [&] {
            const reports::Report report = reports::summaryReport(rows, reports::ownerPageHeader("DL1ABC", "4711"));
            benchmark::DoNotOptimize(
                reports::writeReportPdf(report, file, QPageSize(QPageSize::A4), "05.03.2004 14:07:09"));
        },
        [&] { plain.write(); }, first);
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
