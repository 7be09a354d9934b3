#include <gtest/gtest.h>

#include "register/store/database.h"
#include "register/store/table.h"
#include "reports/island_lists.h"
#include "support/data_folder.h"
#include "support/qt_printers.h"

namespace {

using reports::IslandListRequest;

// The areas as the menu presents them: table, group code and area text.
struct ExpectedArea {
    QString table;
    QString group;
    QString text;
};

const ExpectedArea kAreas[13] = {
    {"IOTA-AF", "", "Africa"},          {"IOTA-AN", "", "Antarctica"},     {"IOTA-AS", "", "Asia"},
    {"IOTA-EU", "", "Europe"},          {"IOTA-NA", "", "Northamerica"},   {"IOTA-OC", "", "Oceania"},
    {"IOTA-SA", "", "Southamerica"},    {"IOTA-EU", "A", "Arctic I./EU"},  {"IOTA-AS", "A", "Arctic I./AS"},
    {"IOTA-NA", "A", "Arctic I./NA"},   {"IOTA-EU", "B", "British Isles"}, {"IOTA-NA", "W", "West Indies/NA"},
    {"IOTA-SA", "W", "West Indies/SA"},
};

struct ExpectedSelection {
    QString continentFilter;
    QString groupPart;
    QString word;
};

const ExpectedSelection kSelections[7] = {
    {"Status = 'A'", "Status = 'A'", "approved"},
    {"Status = 'C'", "Status = 'C'", "claimed"},
    {"Status = 'W'", "Status = 'W'", "worked"},
    {"Status = 'C' or Status = 'A'", "(Status = 'C' or Status ='A')", "approved+claimed"},
    {"Status = 'C' or Status = 'A' or Status = 'W'", "(Status = 'C' or Status ='A' or Status ='W')",
     "approved+claimed+worked"},
    {"Status = '-'", "Status = '-'", "needed"},
    {"Status = '-' or Status = 'W'", "(Status = '-' or Status = 'W')", "needed"},
};

// The menu handlers by area (rows) and selection (columns).
const char* const kHandlers[13][7] = {
    {"CPapproved2Click", "CPclaimed2Click", "worked7Click", "CPclaimedapproved1Click", "approvedclaimedworked6Click",
     "needed2Click", "neededW7Click"},
    {"CPapproved3Click", "CPclaimed3Click", "worked8Click", "CPclaimedapproved2Click", "approvedclaimedworked7Click",
     "needed3Click", "neededW8Click"},
    {"CPapproved4Click", "CPclaimed4Click", "worked9Click", "CPclaimedapproved3Click", "approvedclaimedworked8Click",
     "needed4Click", "neededW9Click"},
    {"CPapproved5Click", "CPclaimed5Click", "worked10Click", "CPclaimedapproved4Click", "approvedclaimedworked9Click",
     "needed5Click", "neededW10Click"},
    {"CPapproved6Click", "CPclaimed6Click", "worked11Click", "CPclaimedapproved5Click", "approvedclaimedworked10Click",
     "needed6Click", "neededW11Click"},
    {"CPapproved7Click", "CPclaimed7Click", "worked12Click", "CPclaimedapproved6Click", "approvedclaimedworked11Click",
     "needed7Click", "neededW12Click"},
    {"CPapproved8Click", "CPclaimed8Click", "worked13Click", "CPclaimedapproved7Click", "approvedclaimedworked12Click",
     "needed8Click", "neededW13Click"},
    {"CPapproved1Click", "CPclaimed1Click", "worked1Click", "CPclaimedapproved8Click", "claimedapprovedworked1Click",
     "needed1Click", "neededW1Click"},
    {"CPapproved9Click", "CPclaimed9Click", "worked2Click", "CPclaimedapproved9Click", "approvedclaimedworked1Click",
     "needed9Click", "neededW2Click"},
    {"CPapproved10Click", "CPclaimed10Click", "worked3Click", "CPclaimedapproved10Click", "approvedclaimedworked2Click",
     "needed10Click", "neededW3Click"},
    {"CPapproved11Click", "CPclaimed11Click", "worked4Click", "CPclaimedapproved11Click", "approvedclaimedworked3Click",
     "needed11Click", "neededW4Click"},
    {"CPapproved12Click", "CPclaimed12Click", "worked5Click", "CPclaimedapproved12Click", "approvedclaimedworked4Click",
     "needed12Click", "neededW5Click"},
    {"CPapproved13Click", "CPclaimed13Click", "worked6Click", "CPclaimedapproved13Click", "approvedclaimedworked5Click",
     "needed13Click", "neededW6Click"},
};

std::string describe(const IslandListRequest& list) {
    return QStringLiteral("\"%1\" / %2 / \"%3\"").arg(list.title, list.tableName, list.filter).toStdString();
}

TEST(IslandLists, EveryHandlerBuildsTitleTableAndFilterByTheRule) {
    int checked = 0;
    for (int area = 0; area < 13; ++area) {
        for (int selection = 0; selection < 7; ++selection) {
            const ExpectedArea& a = kAreas[area];
            const ExpectedSelection& s = kSelections[selection];
            const IslandListRequest expected{
                "IOTA " + a.text + " (" + s.word + ")", a.table,
                a.group.isEmpty() ? s.continentFilter : "ABW = '" + a.group + "' and " + s.groupPart};
            const auto built = reports::islandListOfHandler(kHandlers[area][selection]);
            ASSERT_TRUE(built.has_value()) << kHandlers[area][selection];
            EXPECT_EQ(*built, expected) << kHandlers[area][selection] << " built " << describe(*built) << ", expected "
                                        << describe(expected);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 91);
    EXPECT_FALSE(reports::islandListOfHandler("needed14Click").has_value());
}

TEST(IslandLists, ExamplesOfTheRule) {
    EXPECT_EQ(reports::islandListOfHandler("CPclaimedapproved11Click")->filter,
              "ABW = 'B' and (Status = 'C' or Status ='A')");
    EXPECT_EQ(reports::islandListOfHandler("approvedclaimedworked2Click")->title,
              "IOTA Arctic I./NA (approved+claimed+worked)");
    EXPECT_EQ(reports::islandListOfHandler("needed5Click")->title, "IOTA Europe (needed)");
    EXPECT_EQ(reports::islandListOfHandler("neededW10Click")->title, "IOTA Europe (needed)");
}

TEST(IslandLists, CommandLineKeysNameTheSameLists) {
    const QStringList areas{"af",    "an",    "as",    "eu", "na",    "oc",   "sa",
                            "ai-eu", "ai-as", "ai-na", "bi", "wi-na", "wi-sa"};
    const QStringList selections{"approved", "claimed",      "worked", "approved-claimed", "approved-claimed-worked",
                                 "needed",   "needed-worked"};
    for (int area = 0; area < 13; ++area)
        for (int selection = 0; selection < 7; ++selection)
            EXPECT_EQ(reports::islandListOfKeys(areas[area], selections[selection]),
                      reports::islandListOfHandler(kHandlers[area][selection]))
                << areas[area].toStdString() << ' ' << selections[selection].toStdString();
    EXPECT_FALSE(reports::islandListOfKeys("eu", "lost").has_value());
    EXPECT_FALSE(reports::islandListOfKeys("xx", "needed").has_value());
}

TEST(IslandLists, MenuCaptionsAndAccessKeys) {
    const auto& areas = reports::islandListAreas();
    EXPECT_EQ(areas[1].menuPath, (QStringList{"Print &Continental summary", "Antar&ctica"}));
    EXPECT_EQ(areas[9].menuPath, (QStringList{"Print &Group summary", "&Arctic Islands", "&Northamerica"}));
    EXPECT_EQ(areas[10].menuPath, (QStringList{"Print &Group summary", "&British Isles"}));
    EXPECT_EQ(areas[12].menuPath, (QStringList{"Print &Group summary", "&West Indies", "&Southamerica"}));
    QStringList captions;
    QStringList separated;
    for (const auto& selection : reports::islandListSelections()) {
        captions << selection.caption;
        if (selection.separatorBefore) separated << selection.caption;
    }
    EXPECT_EQ(captions, (QStringList{"&approved", "&claimed", "&worked", "a&pproved && claimed",
                                     "appr&oved && claimed && worked", "&needed (-)", "n&eeded (-/W)"}));
    EXPECT_EQ(separated, QStringList{"&needed (-)"}) << "one separator before the last two";
}

class IslandListRecords : public ::testing::Test {
protected:
    void SetUp() override {
        folder.execute("UPDATE \"IOTA-EU\" SET Status = 'W', Call = 'EI/DL1ABC' WHERE IOTA = 'EU-007'");
        folder.execute("UPDATE \"IOTA-EU\" SET Status = 'A', ABW = 'B' WHERE IOTA = 'EU-005'");
        folder.execute("UPDATE \"IOTA-EU\" SET Status = 'C', ABW = 'B' WHERE IOTA = 'EU-115'");
        folder.execute("UPDATE \"IOTA-EU\" SET Status = 'D' WHERE IOTA = 'EU-002'");
    }

    QStringList references(const QString& handler) {
        store::Database db(folder.dataFolder());
        store::Table table(db);
        const reports::RecordSet records = reports::readIslandList(table, *reports::islandListOfHandler(handler));
        QStringList lines;
        for (const QStringList& row : records.rows) lines << row[0] + ' ' + row[5];
        return lines;
    }

    TestDataFolder folder;
};

TEST_F(IslandListRecords, NeededAndWorkedAreMixedInReferenceOrder) {
    EXPECT_EQ(references("neededW10Click"), (QStringList{"EU-001 -", "EU-007 W"}));
    EXPECT_EQ(references("needed5Click"), QStringList{"EU-001 -"});
}

TEST_F(IslandListRecords, ApprovedAndClaimedAreNotGroupedByStatus) {
    folder.execute("UPDATE \"IOTA-EU\" SET Status = 'C' WHERE IOTA = 'EU-001'");
    EXPECT_EQ(references("CPclaimedapproved4Click"), (QStringList{"EU-001 C", "EU-005 A", "EU-115 C"}));
}

TEST_F(IslandListRecords, AGroupListHoldsOnlyItsGroupInItsTable) {
    folder.execute("UPDATE \"IOTA-AS\" SET Status = 'A', ABW = 'B' WHERE IOTA = 'AS-001'");
    EXPECT_EQ(references("CPclaimedapproved11Click"), (QStringList{"EU-005 A", "EU-115 C"}));
}

TEST_F(IslandListRecords, DeletedAndUnallocatedAppearInNoList) {
    for (const auto& area : reports::islandListAreas())
        for (const QString& handler : area.handlers)
            for (const QString& line : references(handler)) {
                EXPECT_FALSE(line.endsWith(" D")) << handler.toStdString() << ": " << line.toStdString();
                EXPECT_FALSE(line.endsWith(" U")) << handler.toStdString() << ": " << line.toStdString();
            }
}

TEST_F(IslandListRecords, LeavesTheHandleOpenOnTheListsTableUnderItsFilter) {
    store::Database db(folder.dataFolder());
    store::Table table(db);
    const reports::RecordSet records = reports::readIslandList(table, *reports::islandListOfHandler("worked10Click"));
    EXPECT_EQ(records.fields, (QStringList{"IOTA", "Prefix", "Island", "Call", "Comment", "Status"}));
    ASSERT_EQ(records.rows.size(), 1u);
    EXPECT_EQ(records.rows[0], (QStringList{"EU-007", "EI", "Aran Islands", "EI/DL1ABC", "", "W"}));
    EXPECT_TRUE(table.Active());
    EXPECT_EQ(table.TableName(), "IOTA-EU");
    EXPECT_EQ(table.Filter(), "Status = 'W'");
    EXPECT_TRUE(table.Filtered());
}

}  // namespace
