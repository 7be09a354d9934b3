#pragma once

#include <QTextStream>
#include <vector>

#include "cli/command_line.h"
#include "cli/open_data_folder.h"
#include "reports/award_summary.h"
#include "reports/island_lists.h"
#include "reports/want_list.h"

// The lines the report subcommands print, for their text runs and for their runs that also write
// the pages (src/cli/drawing/report_pages.cpp). Each returns what the pages show.

// The report's pages are also written as a PDF file.
constexpr Parameter kPdf = option("--pdf", "FILE");

// The summary as a tab-separated table: a header of column keys, a row per area.
void printSummaryTable(const std::vector<reports::SummaryRow>& rows, QTextStream& out);
// The printed page's summary rows, counted and printed.
std::vector<reports::SummaryRow> printSummaryLines(OpenDataFolder& data, QTextStream& out);

// The kind of --worked or --by-rarity, and its memo lines printed.
const reports::WantListKind& wantListKindOf(const Arguments& arguments);
QStringList printWantListLines(const Arguments& arguments, OpenDataFolder& data, QTextStream& out);

// The list of the AREA and SELECTION arguments; a usage error naming the keys for others.
reports::IslandListRequest islandListOf(const Arguments& arguments);
reports::RecordSet printIslandListLines(const reports::IslandListRequest& list, OpenDataFolder& data, QTextStream& out);
