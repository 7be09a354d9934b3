#include "cli/drawing.h"
#include "cli/report_lines.h"
#include "cli/subcommand.h"

namespace {

void summary(const Arguments& arguments, QTextStream& out) {
    OpenDataFolder data;
    printSummaryTable(reports::countSummary(data.table, arguments.has("--groups") ? reports::SummaryKind::Group
                                                                                  : reports::SummaryKind::Continental),
                      out);
}

// The report subcommands print their lines here; with --pdf, the drawing program prints them and
// writes the pages.
void printSummary(const Arguments& arguments, QTextStream& out) {
    if (arguments.has(kPdf.name)) return drawing::printSummary(arguments, out);
    OpenDataFolder data;
    printSummaryLines(data, out);
}

void wantList(const Arguments& arguments, QTextStream& out) {
    if (arguments.has(kPdf.name)) return drawing::wantList(arguments, out);
    OpenDataFolder data;
    printWantListLines(arguments, data, out);
}

void islandList(const Arguments& arguments, QTextStream& out) {
    const reports::IslandListRequest list = islandListOf(arguments);
    if (arguments.has(kPdf.name)) return drawing::islandList(arguments, out);
    OpenDataFolder data;
    printIslandListLines(list, data, out);
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
