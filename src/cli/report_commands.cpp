#include <optional>

#include "base/clock.h"
#include "cli/open_data_folder.h"
#include "cli/subcommand.h"
#include "register/rarity_table.h"
#include "reports/award_summary.h"
#include "reports/island_list_report.h"
#include "reports/island_lists.h"
#include "reports/rarity_want_list.h"
#include "reports/render/page_setup.h"
#include "reports/render/pdf_output.h"
#include "reports/summary_report.h"
#include "reports/want_list.h"
#include "reports/want_list_report.h"

namespace {

// The report's pages are also written as a PDF file.
constexpr Parameter kPdf = option("--pdf", "FILE");

// The percentage columns as whole numbers, "-" where the row has no qualifying island.
QString columnValue(const reports::SummaryCounts& counts, const reports::SummaryColumn& column) {
    if (!column.percentage) return QString::number(counts.*column.count);
    const std::optional<int> percent = reports::wholePercent(counts.*column.count, counts.tot);
    return percent ? QString::number(*percent) : QStringLiteral("-");
}

void printSummaryTable(const std::vector<reports::SummaryRow>& rows, QTextStream& out) {
    out << "area";
    for (const reports::SummaryColumn& column : reports::summaryColumns()) out << '\t' << column.key;
    out << '\n';
    for (const reports::SummaryRow& row : rows) {
        out << row.key;
        for (const reports::SummaryColumn& column : reports::summaryColumns())
            out << '\t' << columnValue(row.counts, column);
        out << '\n';
    }
}

// The command-line names of the island-list areas or selections, blank-separated.
template <typename Rows>
QString islandListKeys(const Rows& rows) {
    QStringList keys;
    for (const auto& row : rows) keys << row.key;
    return keys.join(u' ');
}

void writePdf(const Arguments& arguments, const reports::Report& report) {
    if (const std::optional<QString> file = arguments.value(kPdf.name))
        reports::writeReportPdf(report, *file, reports::defaultPaper(), dateTimeText(SystemClock()));
}

void summary(const Arguments& arguments, QTextStream& out) {
    OpenDataFolder data;
    printSummaryTable(reports::countSummary(data.table, arguments.has("--groups") ? reports::SummaryKind::Group
                                                                                  : reports::SummaryKind::Continental),
                      out);
}

void printSummary(const Arguments& arguments, QTextStream& out) {
    OpenDataFolder data;
    const std::vector<reports::SummaryRow> rows = reports::countSummary(data.table, reports::SummaryKind::Printed);
    printSummaryTable(rows, out);
    writePdf(arguments, reports::summaryReport(
                            rows, reports::ownerPageHeader(data.start.ownerCallsign, data.start.ownerDirectoryNo)));
}

void wantList(const Arguments& arguments, QTextStream& out) {
    const bool byRarity = arguments.has("--by-rarity");
    const reports::WantListKind& kind =
        byRarity ? reports::rarityWantListKind() : reports::wantListKinds()[arguments.has("--worked") ? 1 : 0];
    OpenDataFolder data;
    const QStringList memo = byRarity ? reports::rarityWantListText(data.table, readRarity(data.database))
                                      : reports::wantListText(data.table, kind);
    for (const QString& line : memo) out << line << '\n';
    const QString header = reports::wantListHeader(data.start.ownerCallsign, dateTimeText(SystemClock()), kind);
    writePdf(arguments, reports::wantListReport(header, memo));
}

void islandList(const Arguments& arguments, QTextStream& out) {
    const std::optional<reports::IslandListRequest> list = reports::islandListOfKeys(arguments[0], arguments[1]);
    if (!list)
        throw UsageError{
            QStringLiteral("areas: %1\nselections: %2")
                .arg(islandListKeys(reports::islandListAreas()), islandListKeys(reports::islandListSelections()))};
    OpenDataFolder data;
    reports::RecordSet records = reports::readIslandList(data.table, *list);
    for (const QStringList& record : records.rows) out << record.join(u'\t') << '\n';
    writePdf(arguments, reports::islandListReport(
                            list->title, std::move(records),
                            reports::ownerPageHeader(data.start.ownerCallsign, data.start.ownerDirectoryNo)));
}

}  // namespace

std::vector<Subcommand> reportSubcommands() {
    return {
        {"summary", {option("--groups")}, "print the continental (or group) award summary, tab-separated", summary},
        {"print-summary", {kPdf}, "print the summary of the printed page; --pdf writes the page", printSummary},
        {"want-list",
         {option("--worked"), orOption("--by-rarity"), kPdf},
         "print the want list of needed (and worked) references, or the needed ones rarest first",
         wantList},
        {"island-list",
         {positional("AREA"), positional("SELECTION"), kPdf},
         "print the lines of an island list; --pdf writes its pages",
         islandList},
    };
}
