#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <cmath>

#include "backup/backups.h"
#include "listupdate/iota_json_list.h"
#include "register/delivered_groups.h"
#include "register/group_facts.h"
#include "register/groups_table.h"
#include "register/store/database.h"
#include "register/store/table_names.h"
#include "support/data_folder.h"
#include "support/real_files.h"

namespace {

// The programme's two latitudes and two longitudes, in its order, and the box as it lies.
TEST(GroupBox, LiesAsTheGroupDoesAcrossTheDateLineToo) {
    const struct {
        double latitude1, latitude2, longitude1, longitude2;
        const char* box;
        bool crosses;
    } cases[] = {
        {-10.00, -10.75, 56.25, 57.00, "56.25 57 -10.75 -10", false},             // AF-001, latitudes reversed
        {61.82, 66.33, -74.25, -78.75, "-78.75 -74.25 61.82 66.33", false},       // longitudes reversed
        {70.67, 71.75, 178.25, -175.25, "178.25 -175.25 70.67 71.75", true},      // AS-027
        {-15.67, -19.25, 177.17, -179.65, "177.17 -179.65 -19.25 -15.67", true},  // OC-016
        {-67.25, -67.67, -179.92, 179.92, "179.92 -179.92 -67.67 -67.25", true},  // AN-020
        {-63.00, -90.00, -180.00, 180.00, "-180 180 -90 -63", false},             // AN-016, the whole circle
        {0, 1, -180, 0, "-180 0 0 1", false},                                     // half the circle
    };
    for (const auto& c : cases) {
        const std::optional<GroupBox> box = boxFromEdges(c.latitude1, c.latitude2, c.longitude1, c.longitude2);
        ASSERT_TRUE(box) << c.box;
        EXPECT_EQ(boxText(box), c.box);
        EXPECT_EQ(box->crossesDateLine(), c.crosses) << c.box;
    }
    for (const double wrong : {-90.5, 91.0, std::nan("")}) EXPECT_FALSE(boxFromEdges(wrong, 0, 0, 1)) << wrong;
    for (const double wrong : {-180.5, 181.0, std::nan("")}) EXPECT_FALSE(boxFromEdges(0, 1, 0, wrong)) << wrong;
    EXPECT_EQ(boxText(std::nullopt), "");
}

TEST(GroupFacts, DxccNumbersAreWholeNumbersJoinedByCommas) {
    const struct {
        const char* text;
        std::optional<QString> numbers;
    } cases[] = {{"4", "4"},
                 {" 223, 294 ,279 ", "223,294,279"},
                 {"", std::nullopt},
                 {"60;61", std::nullopt},
                 {"1,,2", std::nullopt},
                 {"-5", std::nullopt},
                 {"٣", std::nullopt}};
    for (const auto& c : cases) EXPECT_EQ(dxccNumbers(c.text), c.numbers) << c.text;
}

TEST(GroupsTable, StoresAndReadsBackFactsReplacingThoseStored) {
    TestDataFolder folder;
    store::Database db(folder.dataFolder());
    const GroupFacts wrangel{"15", boxFromEdges(70.67, 71.75, 178.25, -175.25)};
    const GroupFacts scott{"13", boxFromEdges(-67.25, -67.67, -179.92, 0.1 + 0.2)};
    writeGroupFacts(db, "AS-027", GroupFacts{"1", std::nullopt});
    writeGroupFacts(db, "AS-027", wrangel);
    writeGroupFacts(db, "AN-020", scott);
    writeGroupFacts(db, "EU-005", GroupFacts{"223,294,279", std::nullopt});
    const QHash<QString, GroupFacts> stored = readGroupFacts(db);
    EXPECT_EQ(stored.size(), 3);
    EXPECT_EQ(stored["AS-027"], wrangel);
    EXPECT_EQ(stored["AN-020"], scott) << "every edge read back exactly";
    EXPECT_EQ(stored["EU-005"], (GroupFacts{"223,294,279", std::nullopt}));
}

// An older data folder has no "Groups": it gets one when it is opened, and again after a restore
// from a backup made before, so the tables are always there to be read and written.
TEST(GroupsTable, ComesToOlderFoldersWhenOpenedAndAfterARestore) {
    TestDataFolder folder;
    folder.removeTable(QString(kGroupsTable));
    const QString older = QDir(folder.dataFolder()).filePath("skerrydesk.db");
    const QString backupFolder = backup::backupFolder(folder.dataFolder());
    ASSERT_TRUE(QDir().mkpath(backupFolder));
    ASSERT_TRUE(QFile::copy(older, QDir(backupFolder).filePath("2020-01-02T03-04-05 update.db")));

    store::Database db(folder.dataFolder());
    writeGroupFacts(db, "AS-027", GroupFacts{"15", std::nullopt});
    EXPECT_EQ(readGroupFacts(db).size(), 1);
    backup::restore(db, backup::listBackups(folder.dataFolder()).back().name.id());
    EXPECT_TRUE(readGroupFacts(db).isEmpty()) << "the backup's tables, with an empty Groups beside them";
    writeGroupFacts(db, "AS-027", GroupFacts{"15", std::nullopt});
    EXPECT_EQ(readGroupFacts(db).size(), 1);
}

TEST(DeliveredGroups, HoldTheProgrammesGroupsWithTheirCodesAndBoxes) {
    const std::vector<DeliveredGroup> groups = deliveredGroups();
    ASSERT_EQ(groups.size(), 1178u);
    QMap<QString, int> codes;
    int boxes = 0;
    int acrossDateLine = 0;
    for (const DeliveredGroup& group : groups) {
        ++codes[group.group];
        boxes += group.facts.box.has_value();
        acrossDateLine += group.facts.box && group.facts.box->crossesDateLine();
        EXPECT_FALSE(group.facts.dxcc.isEmpty()) << group.reference.toStdString();
    }
    EXPECT_EQ(codes, (QMap<QString, int>{{"", 971}, {"A", 120}, {"B", 28}, {"W", 59}}));
    EXPECT_EQ(boxes, 1178);
    EXPECT_EQ(acrossDateLine, 5) << "AN-020, AS-027, AS-092, AS-207, OC-016; AN-016 spans the circle";
    EXPECT_TRUE(std::is_sorted(groups.begin(), groups.end(), [](const DeliveredGroup& a, const DeliveredGroup& b) {
        return a.reference < b.reference;
    }));
}

// Only the records a folder holds get codes and facts.
TEST(DeliveredGroups, GiveTheRecordsOfANewFolderTheirCodesAndFacts) {
    TestDataFolder folder;
    {
        store::Database db(folder.dataFolder());
        applyDeliveredGroups(db);
        const QHash<QString, GroupFacts> facts = readGroupFacts(db);
        EXPECT_EQ(facts.value("EU-005").dxcc, "223,294,279");
        EXPECT_TRUE(facts.contains("AF-002")) << "an unallocated record of the folder";
        EXPECT_FALSE(facts.contains("EU-189")) << "beyond the folder's records";
    }
    const QStringList europe = folder.column("IOTA-EU", "ABW");
    const QStringList references = folder.column("IOTA-EU", "IOTA");
    EXPECT_EQ(europe[references.indexOf("EU-005")], "B");
    EXPECT_EQ(europe[references.indexOf("EU-001")], "");
    EXPECT_EQ(folder.column("IOTA-NA", "ABW")[0], "W") << "NA-001";
}

// The table built into the program is what the reader makes of the programme's list: the script
// that derived it and the reader normalise alike.
TEST(DeliveredGroups, AreWhatTheReaderMakesOfTheProgrammesList) {
    SKIP_WITHOUT_REAL_FILE(path, "iota/fulllist.json");
    QMap<QString, DeliveredGroup> delivered;
    for (const DeliveredGroup& group : deliveredGroups()) delivered.insert(group.reference, group);
    const IotaJsonList list = readIotaJsonList(path);
    ASSERT_EQ(list.groups.size(), size_t(delivered.size()));
    for (const IotaGroup& group : list.groups) {
        const DeliveredGroup facts = delivered.value(group.reference);
        EXPECT_EQ(facts.group, group.group.value_or("?")) << group.reference.toStdString();
        EXPECT_EQ(facts.facts, (GroupFacts{group.dxcc.value_or("?"), group.box})) << group.reference.toStdString();
    }
}

}  // namespace
