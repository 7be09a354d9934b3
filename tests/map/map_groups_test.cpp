#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "map/map_filter.h"
#include "map/map_groups.h"
#include "map_folder.h"
#include "register/display_modes.h"
#include "register/store/database.h"

namespace {

using maps::GroupStatus;
using maps::MapFilter;
using maps::MapGroup;

std::vector<MapGroup> readGroups(const TestDataFolder& folder) {
    store::Database database(folder.dataFolder());
    return maps::readMapGroups(database);
}

const MapGroup& groupOf(const std::vector<MapGroup>& groups, const QString& reference) {
    const auto found =
        std::find_if(groups.begin(), groups.end(), [&](const MapGroup& group) { return group.reference == reference; });
    if (found == groups.end()) throw std::runtime_error(("no group " + reference).toStdString());
    return *found;
}

// The display modes by caption, as bits.
unsigned modesOf(std::initializer_list<const char*> captions) {
    unsigned modes = 0;
    for (size_t mode = 0; mode < displayModes().size(); ++mode)
        for (const char* caption : captions)
            if (displayModes()[mode].caption == QLatin1String(caption)) modes |= 1u << mode;
    return modes;
}

QStringList referencesShown(const std::vector<MapGroup>& groups, const MapFilter& filter) {
    QStringList shown;
    for (const MapGroup& group : groups)
        if (maps::shows(filter, group)) shown << group.reference;
    return shown;
}

TEST(MapGroups, EveryAllocatedRecordWithItsStatusBoxAndDisplayModes) {
    MapTestFolder folder;
    const std::vector<MapGroup> groups = readGroups(folder);
    EXPECT_EQ(groups.size(), TestDataFolder::sampleIslands().size()) << "the unallocated numbers are no groups";
    const MapGroup& greatBritain = groupOf(groups, "EU-005");
    EXPECT_EQ(greatBritain.name, "Great Britain");
    EXPECT_EQ(greatBritain.call, "G/DL1ABC");
    EXPECT_EQ(greatBritain.groupCode, "B");
    EXPECT_EQ(greatBritain.tableName, "IOTA-EU");
    EXPECT_EQ(greatBritain.status, GroupStatus::Approved);
    EXPECT_EQ(greatBritain.place.box, (GroupBox{-6.25, 1.83, 49.83, 58.67}));
    EXPECT_EQ(greatBritain.displayModes, modesOf({"all", "A/C", "A", "A/C/W"}));
    EXPECT_EQ(groupOf(groups, "OC-001").displayModes, modesOf({"all", "W", "A/C/W", "need (-/W)"}));
    EXPECT_EQ(groupOf(groups, "AN-002").displayModes, modesOf({"all", "need (-)", "need (-/W)", "/Call (Update!)"}));
    EXPECT_EQ(maps::groupSummary(greatBritain), "EU-005 Great Britain\nStatus: approved\nCall: G/DL1ABC");
    EXPECT_EQ(maps::groupSummary(groupOf(groups, "NA-001")), "NA-001 Bermuda\nStatus: needed");
}

TEST(MapGroups, AnUnknownStatusOrADamagedBoxIsNotPlacedWithItsReason) {
    MapTestFolder folder;
    folder.execute("UPDATE \"IOTA-AF\" SET Status = 'X' WHERE IOTA = 'AF-003'");
    folder.execute("UPDATE \"Groups\" SET West = 'abc' WHERE IOTA = 'AF-001'");
    folder.execute("UPDATE \"Groups\" SET North = 95 WHERE IOTA = 'OC-002'");
    folder.execute("UPDATE \"Groups\" SET West = NULL, East = NULL, South = NULL, North = NULL WHERE IOTA = 'SA-006'");
    folder.execute("UPDATE \"Groups\" SET East = NULL WHERE IOTA = 'NA-015'");
    const std::vector<MapGroup> groups = readGroups(folder);
    const struct {
        const char* reference;
        const char* reason;
    } cases[] = {
        {"AF-003", "status \"X\" unknown"},
        {"AF-001", "box not a number (west nan, east 57, south -10.75, north -10)"},
        {"OC-002", "box outside the globe (west 105.5, east 105.83, south -10.6, north 95)"},
        {"SA-006", "no box"},
        {"NA-015", "box not a number (west -85, east nan, south 19.8, north 23.25)"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(groupOf(groups, c.reference).place.box) << c.reference;
        EXPECT_EQ(groupOf(groups, c.reference).place.notPlacedReason, c.reason);
    }
    const maps::MapCounts counts = maps::countShown(groups, MapFilter{});
    EXPECT_EQ(counts.notPlaced.size(), std::size(cases));
    EXPECT_EQ(maps::legendLines(counts),
              (QStringList{"needed: 5", "worked: 2", "claimed: 2", "approved: 1", "deleted: 1", "not placed: 5"}));
}

TEST(MapFilter, CheckedDisplayModesAddUpAndAGroupAwardKeepsItsOwnViews) {
    MapTestFolder folder;
    // OC-001 marked Arctic lies in a table that no view of the Arctic Islands shows.
    folder.execute("UPDATE \"IOTA-OC\" SET ABW = 'A' WHERE IOTA = 'OC-001'");
    folder.execute("UPDATE \"IOTA-AS\" SET ABW = 'A' WHERE IOTA = 'AS-001'");
    const std::vector<MapGroup> groups = readGroups(folder);
    const struct {
        MapFilter filter;
        QStringList shown;
    } cases[] = {
        {{modesOf({"A"}), std::nullopt}, {"AF-001", "EU-005"}},
        {{modesOf({"A", "D"}), std::nullopt}, {"AF-001", "EU-005", "SA-001"}},
        {{modesOf({"A/C", "W"}), std::nullopt}, {"AF-001", "AS-001", "EU-005", "EU-007", "EU-115", "OC-001"}},
        {{modesOf({"/Call (Update!)"}), std::nullopt}, {"AN-002"}},
        {{modesOf({"all"}), "B"}, {"EU-005", "EU-007", "EU-115"}},
        {{modesOf({"A/C"}), "B"}, {"EU-005", "EU-115"}},
        {{modesOf({"all"}), "A"}, {"AS-001"}},
        {{modesOf({"all"}), "W"}, {"NA-001", "NA-015", "SA-006"}},
        {{0, std::nullopt}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(referencesShown(groups, c.filter), c.shown) << c.shown.join(' ').toStdString();
}

TEST(MapFilter, TheCommandLineNamesEachDisplayModeOnce) {
    const auto& keys = maps::displayModeKeys();
    EXPECT_EQ(std::set<QString>(keys.begin(), keys.end()).size(), displayModes().size());
    const struct {
        const char* keys;
        std::optional<unsigned> modes;
    } cases[] = {
        {"needed", modesOf({"need (-)"})},
        {"needed-worked", modesOf({"need (-/W)"})},
        {"approved, claimed,deleted", modesOf({"A", "C", "D"})},
        {"call-update", modesOf({"/Call (Update!)"})},
        {"all,approved-claimed-worked", modesOf({"all", "A/C/W"})},
        {"need (-)", std::nullopt},
        {"needed,", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(maps::displayModesOfKeys(c.keys), c.modes) << c.keys;
}

}  // namespace
