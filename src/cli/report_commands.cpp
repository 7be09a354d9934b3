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

const char* const kSummaryUsage = "summary [--groups]";
const char* const kPrintSummaryUsage = "print-summary [--pdf FILE]";
const char* const kWantListUsage = "want-list [--worked | --by-rarity] [--pdf FILE]";
const char* const kIslandListUsage = "island-list AREA SELECTION [--pdf FILE]";

// Takes a flag out of the arguments; tells whether it was there.
bool takeFlag(QStringList& arguments, const QString& flag) {
    return arguments.removeAll(flag) > 0;
}

// Takes "--pdf FILE" out of the arguments.
std::optional<QString> takePdfFile(QStringList& arguments, const char* usage) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--pdf"));
    if (at < 0) return std::nullopt;
    if (at + 1 >= arguments.size())
        throw UsageError{QStringLiteral("usage: skerrydesk-cli %1").arg(QLatin1String(usage))};
    const QString file = arguments.takeAt(at + 1);
    arguments.removeAt(at);
    return file;
}

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

void writePdf(const std::optional<QString>& file, const reports::Report& report) {
    if (file) reports::writeReportPdf(report, *file, reports::defaultPaper(), dateTimeText(SystemClock()));
}

void summary(const QStringList& arguments, QTextStream& out) {
    QStringList rest = arguments;
    const bool groups = takeFlag(rest, QStringLiteral("--groups"));
    requireArgumentCount(rest, 0, kSummaryUsage);
    OpenDataFolder data;
    printSummaryTable(
        reports::countSummary(data.table, groups ? reports::SummaryKind::Group : reports::SummaryKind::Continental),
        out);
}

void printSummary(const QStringList& arguments, QTextStream& out) {
    QStringList rest = arguments;
    const std::optional<QString> pdf = takePdfFile(rest, kPrintSummaryUsage);
    requireArgumentCount(rest, 0, kPrintSummaryUsage);
    OpenDataFolder data;
    const std::vector<reports::SummaryRow> rows = reports::countSummary(data.table, reports::SummaryKind::Printed);
    printSummaryTable(rows, out);
    writePdf(pdf, reports::summaryReport(
                      rows, reports::ownerPageHeader(data.start.ownerCallsign, data.start.ownerDirectoryNo)));
}

void wantList(const QStringList& arguments, QTextStream& out) {
    QStringList rest = arguments;
    const std::optional<QString> pdf = takePdfFile(rest, kWantListUsage);
    const bool worked = takeFlag(rest, QStringLiteral("--worked"));
    const bool byRarity = takeFlag(rest, QStringLiteral("--by-rarity"));
    if (worked && byRarity)
        throw UsageError{QStringLiteral("usage: skerrydesk-cli %1").arg(QLatin1String(kWantListUsage))};
    const reports::WantListKind& kind =
        byRarity ? reports::rarityWantListKind() : reports::wantListKinds()[worked ? 1 : 0];
    requireArgumentCount(rest, 0, kWantListUsage);
    OpenDataFolder data;
    const QStringList memo = byRarity ? reports::rarityWantListText(data.table, readRarity(data.database))
                                      : reports::wantListText(data.table, kind);
    for (const QString& line : memo) out << line << '\n';
    const QString header = reports::wantListHeader(data.start.ownerCallsign, dateTimeText(SystemClock()), kind);
    writePdf(pdf, reports::wantListReport(header, memo));
}

void islandList(const QStringList& arguments, QTextStream& out) {
    QStringList rest = arguments;
    const std::optional<QString> pdf = takePdfFile(rest, kIslandListUsage);
    requireArgumentCount(rest, 2, kIslandListUsage);
    const std::optional<reports::IslandListRequest> list = reports::islandListOfKeys(rest[0], rest[1]);
    if (!list)
        throw UsageError{QStringLiteral("usage: skerrydesk-cli %1\nareas: %2\nselections: %3")
                             .arg(QLatin1String(kIslandListUsage), islandListKeys(reports::islandListAreas()),
                                  islandListKeys(reports::islandListSelections()))};
    OpenDataFolder data;
    reports::RecordSet records = reports::readIslandList(data.table, *list);
    for (const QStringList& record : records.rows) out << record.join(u'\t') << '\n';
    writePdf(pdf, reports::islandListReport(
                      list->title, std::move(records),
                      reports::ownerPageHeader(data.start.ownerCallsign, data.start.ownerDirectoryNo)));
}

}  // namespace

std::vector<Subcommand> reportSubcommands() {
    return {
        {"summary", kSummaryUsage, "print the continental (or group) award summary, tab-separated", summary},
        {"print-summary", kPrintSummaryUsage, "print the summary of the printed page; --pdf writes the page",
         printSummary},
        {"want-list", kWantListUsage,
         "print the want list of needed (and worked) references, or the needed ones rarest first", wantList},
        {"island-list", kIslandListUsage, "print the lines of an island list; --pdf writes its pages", islandList},
    };
}
