#include "cli/report_lines.h"

#include <optional>

#include "register/rarity_table.h"
#include "reports/rarity_want_list.h"

namespace {

// The percentage columns as whole numbers, "-" where the row has no qualifying island.
QString columnValue(const reports::SummaryCounts& counts, const reports::SummaryColumn& column) {
    if (!column.percentage) return QString::number(counts.*column.count);
    const std::optional<int> percent = reports::wholePercent(counts.*column.count, counts.tot);
    return percent ? QString::number(*percent) : QStringLiteral("-");
}

// The command-line names of the island-list areas or selections, blank-separated.
template <typename Rows>
QString islandListKeys(const Rows& rows) {
    QStringList keys;
    for (const auto& row : rows) keys << row.key;
    return keys.join(u' ');
}

}  // namespace

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

std::vector<reports::SummaryRow> printSummaryLines(OpenDataFolder& data, QTextStream& out) {
    std::vector<reports::SummaryRow> rows = reports::countSummary(data.table, reports::SummaryKind::Printed);
    printSummaryTable(rows, out);
    return rows;
}

const reports::WantListKind& wantListKindOf(const Arguments& arguments) {
    if (arguments.has("--by-rarity")) return reports::rarityWantListKind();
    return reports::wantListKinds()[arguments.has("--worked") ? 1 : 0];
}

QStringList printWantListLines(const Arguments& arguments, OpenDataFolder& data, QTextStream& out) {
    const QStringList memo = arguments.has("--by-rarity")
                                 ? reports::rarityWantListText(data.table, readRarity(data.database))
                                 : reports::wantListText(data.table, wantListKindOf(arguments));
    for (const QString& line : memo) out << line << '\n';
    return memo;
}

reports::IslandListRequest islandListOf(const Arguments& arguments) {
    const std::optional<reports::IslandListRequest> list = reports::islandListOfKeys(arguments[0], arguments[1]);
    if (!list)
        throw UsageError{
            QStringLiteral("areas: %1\nselections: %2")
                .arg(islandListKeys(reports::islandListAreas()), islandListKeys(reports::islandListSelections()))};
    return *list;
}

reports::RecordSet printIslandListLines(const reports::IslandListRequest& list, OpenDataFolder& data,
                                        QTextStream& out) {
    reports::RecordSet records = reports::readIslandList(data.table, list);
    for (const QStringList& record : records.rows) out << record.join(u'\t') << '\n';
    return records;
}
