#include "reports/island_lists.h"

#include "register/store/table.h"
#include "register/store/table_names.h"

namespace reports {

namespace {

const QString kContinental = QStringLiteral("Print &Continental summary");
const QString kGroup = QStringLiteral("Print &Group summary");
const QString kArctic = QStringLiteral("&Arctic Islands");
const QString kWestIndies = QStringLiteral("&West Indies");

}  // namespace

const std::array<IslandListArea, 13>& islandListAreas() {
    static const std::array<IslandListArea, 13> areas{{
        {"af", {kContinental, "&Africa"}, kAfricaTable, "", "Africa"},
        {"an", {kContinental, "Antar&ctica"}, kAntarcticaTable, "", "Antarctica"},
        {"as", {kContinental, "A&sia"}, kAsiaTable, "", "Asia"},
        {"eu", {kContinental, "&Europe"}, kEuropeTable, "", "Europe"},
        {"na", {kContinental, "&Northamerica"}, kNorthAmericaTable, "", "Northamerica"},
        {"oc", {kContinental, "&Oceania"}, kOceaniaTable, "", "Oceania"},
        {"sa", {kContinental, "&Southamerica"}, kSouthAmericaTable, "", "Southamerica"},
        {"ai-eu", {kGroup, kArctic, "&Europe"}, kEuropeTable, "A", "Arctic I./EU"},
        {"ai-as", {kGroup, kArctic, "&Asia"}, kAsiaTable, "A", "Arctic I./AS"},
        {"ai-na", {kGroup, kArctic, "&Northamerica"}, kNorthAmericaTable, "A", "Arctic I./NA"},
        {"bi", {kGroup, "&British Isles"}, kEuropeTable, "B", "British Isles"},
        {"wi-na", {kGroup, kWestIndies, "&Northamerica"}, kNorthAmericaTable, "W", "West Indies/NA"},
        {"wi-sa", {kGroup, kWestIndies, "&Southamerica"}, kSouthAmericaTable, "W", "West Indies/SA"},
    }};
    return areas;
}

const std::array<IslandListSelection, 7>& islandListSelections() {
    // The group status parts have no blank after some "=": the program's own texts.
    static const std::array<IslandListSelection, 7> selections{{
        {"approved", "&approved", "Status = 'A'", "Status = 'A'", "approved", false},
        {"claimed", "&claimed", "Status = 'C'", "Status = 'C'", "claimed", false},
        {"worked", "&worked", "Status = 'W'", "Status = 'W'", "worked", false},
        {"approved-claimed", "a&pproved && claimed", "Status = 'C' or Status = 'A'", "(Status = 'C' or Status ='A')",
         "approved+claimed", false},
        {"approved-claimed-worked", "appr&oved && claimed && worked", "Status = 'C' or Status = 'A' or Status = 'W'",
         "(Status = 'C' or Status ='A' or Status ='W')", "approved+claimed+worked", false},
        {"needed", "&needed (-)", "Status = '-'", "Status = '-'", "needed", true},
        {"needed-worked", "n&eeded (-/W)", "Status = '-' or Status = 'W'", "(Status = '-' or Status = 'W')", "needed",
         false},
    }};
    return selections;
}

IslandListRequest islandListRequest(const IslandListArea& area, const IslandListSelection& selection) {
    const QString filter = area.groupCode.isEmpty() ? selection.continentFilter
                                                    : QStringLiteral("ABW = ") + store::quoted(area.groupCode) +
                                                          QStringLiteral(" and ") + selection.groupStatusPart;
    const QString title = QStringLiteral("IOTA %1 (%2)").arg(area.areaText, selection.titleWord);
    return {title, area.tableName, filter};
}

std::optional<IslandListRequest> islandListOfKeys(const QString& areaKey, const QString& selectionKey) {
    for (const IslandListArea& area : islandListAreas()) {
        if (area.key != areaKey) continue;
        for (const IslandListSelection& selection : islandListSelections())
            if (selection.key == selectionKey) return islandListRequest(area, selection);
    }
    return std::nullopt;
}

RecordSet readIslandList(store::Table& Table1, const IslandListRequest& list) {
    Table1.Close();
    Table1.setFiltered(false);
    Table1.setFilter(QString());
    Table1.setTableName(list.tableName);
    Table1.setFilter(list.filter);
    Table1.setFiltered(true);
    Table1.Open();
    return readRecords(Table1, islandListFields());
}

const QStringList& islandListFields() {
    static const QStringList fields{kIotaField, kPrefixField, kIslandField, kCallField, kCommentField, kStatusField};
    return fields;
}

}  // namespace reports
