#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "reports/record_set.h"

namespace store {
class Table;
}

namespace reports {

// An area of the printed island lists: a continent, or one group within one continent table.
struct IslandListArea {
    QString key;           // the command line's name: af ... sa, ai-eu, ai-as, ai-na, bi, wi-na, wi-sa
    QStringList menuPath;  // the submenus and the entry below "&3 Reports"
    QString tableName;
    QString groupCode;  // empty for a continent
    QString areaText;   // the area as the list title names it
};

// A status selection of the printed island lists.
struct IslandListSelection {
    QString key;  // the command line's name: approved ... needed-worked
    QString caption;
    QString continentFilter;
    QString groupStatusPart;
    QString titleWord;
    bool separatorBefore;
};

// The thirteen areas in menu order: the seven continents, then the groups.
const std::array<IslandListArea, 13>& islandListAreas();
// The seven selections in menu order: approved, claimed, worked, approved & claimed,
// approved & claimed & worked, needed (-), needed (-/W).
const std::array<IslandListSelection, 7>& islandListSelections();

// The three arguments of PrepareReport, in its order: list title, island table, filter.
struct IslandListRequest {
    QString title;
    QString tableName;
    QString filter;
    bool operator==(const IslandListRequest&) const = default;
};

// Builds the arguments of one list: the area's table; the selection's continent filter, or for a
// group "ABW = '<code>' and " with the selection's status part; the title "IOTA <area> (<word>)".
IslandListRequest islandListRequest(const IslandListArea& area, const IslandListSelection& selection);

// The list named on the command line by area and selection keys; none for an unknown key.
std::optional<IslandListRequest> islandListOfKeys(const QString& area, const QString& selection);

// Points the handle at the list's table under the list's filter, as PrepareReport leaves it, and
// reads the records the list prints.
RecordSet readIslandList(store::Table& Table1, const IslandListRequest& list);

// The island fields a list line shows, in the order of its columns: IOTA, Prefix, Island, Call,
// Comment, Status.
const QStringList& islandListFields();

}  // namespace reports
