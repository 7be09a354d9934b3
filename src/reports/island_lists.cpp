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
    // The handler names carry the numbering of the menu items they were made for.
    static const std::array<IslandListArea, 13> areas{{
        {"af",
         {kContinental, "&Africa"},
         kAfricaTable,
         "",
         "Africa",
         {"CPapproved2Click", "CPclaimed2Click", "worked7Click", "CPclaimedapproved1Click",
          "approvedclaimedworked6Click", "needed2Click", "neededW7Click"}},
        {"an",
         {kContinental, "Antar&ctica"},
         kAntarcticaTable,
         "",
         "Antarctica",
         {"CPapproved3Click", "CPclaimed3Click", "worked8Click", "CPclaimedapproved2Click",
          "approvedclaimedworked7Click", "needed3Click", "neededW8Click"}},
        {"as",
         {kContinental, "A&sia"},
         kAsiaTable,
         "",
         "Asia",
         {"CPapproved4Click", "CPclaimed4Click", "worked9Click", "CPclaimedapproved3Click",
          "approvedclaimedworked8Click", "needed4Click", "neededW9Click"}},
        {"eu",
         {kContinental, "&Europe"},
         kEuropeTable,
         "",
         "Europe",
         {"CPapproved5Click", "CPclaimed5Click", "worked10Click", "CPclaimedapproved4Click",
          "approvedclaimedworked9Click", "needed5Click", "neededW10Click"}},
        {"na",
         {kContinental, "&Northamerica"},
         kNorthAmericaTable,
         "",
         "Northamerica",
         {"CPapproved6Click", "CPclaimed6Click", "worked11Click", "CPclaimedapproved5Click",
          "approvedclaimedworked10Click", "needed6Click", "neededW11Click"}},
        {"oc",
         {kContinental, "&Oceania"},
         kOceaniaTable,
         "",
         "Oceania",
         {"CPapproved7Click", "CPclaimed7Click", "worked12Click", "CPclaimedapproved6Click",
          "approvedclaimedworked11Click", "needed7Click", "neededW12Click"}},
        {"sa",
         {kContinental, "&Southamerica"},
         kSouthAmericaTable,
         "",
         "Southamerica",
         {"CPapproved8Click", "CPclaimed8Click", "worked13Click", "CPclaimedapproved7Click",
          "approvedclaimedworked12Click", "needed8Click", "neededW13Click"}},
        {"ai-eu",
         {kGroup, kArctic, "&Europe"},
         kEuropeTable,
         "A",
         "Arctic I./EU",
         {"CPapproved1Click", "CPclaimed1Click", "worked1Click", "CPclaimedapproved8Click",
          "claimedapprovedworked1Click", "needed1Click", "neededW1Click"}},
        {"ai-as",
         {kGroup, kArctic, "&Asia"},
         kAsiaTable,
         "A",
         "Arctic I./AS",
         {"CPapproved9Click", "CPclaimed9Click", "worked2Click", "CPclaimedapproved9Click",
          "approvedclaimedworked1Click", "needed9Click", "neededW2Click"}},
        {"ai-na",
         {kGroup, kArctic, "&Northamerica"},
         kNorthAmericaTable,
         "A",
         "Arctic I./NA",
         {"CPapproved10Click", "CPclaimed10Click", "worked3Click", "CPclaimedapproved10Click",
          "approvedclaimedworked2Click", "needed10Click", "neededW3Click"}},
        {"bi",
         {kGroup, "&British Isles"},
         kEuropeTable,
         "B",
         "British Isles",
         {"CPapproved11Click", "CPclaimed11Click", "worked4Click", "CPclaimedapproved11Click",
          "approvedclaimedworked3Click", "needed11Click", "neededW4Click"}},
        {"wi-na",
         {kGroup, kWestIndies, "&Northamerica"},
         kNorthAmericaTable,
         "W",
         "West Indies/NA",
         {"CPapproved12Click", "CPclaimed12Click", "worked5Click", "CPclaimedapproved12Click",
          "approvedclaimedworked4Click", "needed12Click", "neededW5Click"}},
        {"wi-sa",
         {kGroup, kWestIndies, "&Southamerica"},
         kSouthAmericaTable,
         "W",
         "West Indies/SA",
         {"CPapproved13Click", "CPclaimed13Click", "worked6Click", "CPclaimedapproved13Click",
          "approvedclaimedworked5Click", "needed13Click", "neededW6Click"}},
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

std::optional<IslandListRequest> islandListOfHandler(const QString& handler) {
    for (const IslandListArea& area : islandListAreas())
        for (size_t s = 0; s < area.handlers.size(); ++s)
            if (area.handlers[s] == handler) return islandListRequest(area, islandListSelections()[s]);
    return std::nullopt;
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
