#include "base/clock.h"
#include "cli/drawing.h"
#include "cli/report_lines.h"
#include "reports/island_list_report.h"
#include "reports/render/page_setup.h"
#include "reports/render/pdf_output.h"
#include "reports/summary_report.h"
#include "reports/want_list_report.h"

namespace {

void writePdf(const Arguments& arguments, const reports::Report& report) {
    reports::writeReportPdf(report, *arguments.value(kPdf.name), reports::defaultPaper(), dateTimeText(SystemClock()));
}

reports::PageHeaderCaptions ownerHeader(const OpenDataFolder& data) {
    return reports::ownerPageHeader(data.start.ownerCallsign, data.start.ownerDirectoryNo);
}

}  // namespace

void drawing::printSummary(const Arguments& arguments, QTextStream& out) {
    OpenDataFolder data;
    const std::vector<reports::SummaryRow> rows = printSummaryLines(data, out);
    writePdf(arguments, reports::summaryReport(rows, ownerHeader(data)));
}

void drawing::wantList(const Arguments& arguments, QTextStream& out) {
    OpenDataFolder data;
    const QStringList memo = printWantListLines(arguments, data, out);
    const QString header =
        reports::wantListHeader(data.start.ownerCallsign, dateTimeText(SystemClock()), wantListKindOf(arguments));
    writePdf(arguments, reports::wantListReport(header, memo));
}

void drawing::islandList(const Arguments& arguments, QTextStream& out) {
    const reports::IslandListRequest list = islandListOf(arguments);
    OpenDataFolder data;
    reports::RecordSet records = printIslandListLines(list, data, out);
    writePdf(arguments, reports::islandListReport(list.title, std::move(records), ownerHeader(data)));
}
