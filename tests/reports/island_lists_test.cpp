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

// The command line's names of the areas and selections, in the orders above.
const QStringList kAreaKeys{"af",    "an",    "as",    "eu", "na",    "oc",   "sa",
                            "ai-eu", "ai-as", "ai-na", "bi", "wi-na", "wi-sa"};
const QStringList kSelectionKeys{"approved", "claimed",      "worked", "approved-claimed", "approved-claimed-worked",
                                 "needed",   "needed-worked"};

IslandListRequest listOf(const QString& area, const QString& selection) {
    const auto list = reports::islandListOfKeys(area, selection);
    if (!list) ADD_FAILURE() << "no list " << area.toStdString() << ' ' << selection.toStdString();
    return list.value_or(IslandListRequest{});
}

std::string describe(const IslandListRequest& list) {
    return QStringLiteral("\"%1\" / %2 / \"%3\"").arg(list.title, list.tableName, list.filter).toStdString();
}

TEST(IslandLists, EveryAreaAndSelectionBuildsTitleTableAndFilterByTheRule) {
    int checked = 0;
    for (int area = 0; area < 13; ++area) {
        for (int selection = 0; selection < 7; ++selection) {
            const ExpectedArea& a = kAreas[area];
            const ExpectedSelection& s = kSelections[selection];
            const IslandListRequest expected{
                "IOTA " + a.text + " (" + s.word + ")", a.table,
                a.group.isEmpty() ? s.continentFilter : "ABW = '" + a.group + "' and " + s.groupPart};
            const IslandListRequest built = listOf(kAreaKeys[area], kSelectionKeys[selection]);
            EXPECT_EQ(built, expected) << kAreaKeys[area].toStdString() << ' '
                                       << kSelectionKeys[selection].toStdString() << " built " << describe(built)
                                       << ", expected " << describe(expected);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 91);
    EXPECT_FALSE(reports::islandListOfKeys("eu", "lost").has_value());
    EXPECT_FALSE(reports::islandListOfKeys("xx", "needed").has_value());
}

TEST(IslandLists, ExamplesOfTheRule) {
    EXPECT_EQ(listOf("bi", "approved-claimed").filter, "ABW = 'B' and (Status = 'C' or Status ='A')");
    EXPECT_EQ(listOf("ai-na", "approved-claimed-worked").title, "IOTA Arctic I./NA (approved+claimed+worked)");
    EXPECT_EQ(listOf("eu", "needed").title, "IOTA Europe (needed)");
    EXPECT_EQ(listOf("eu", "needed-worked").title, "IOTA Europe (needed)");
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

    QStringList references(const QString& area, const QString& selection) {
        store::Database db(folder.dataFolder());
        store::Table table(db);
        const reports::RecordSet records = reports::readIslandList(table, listOf(area, selection));
        QStringList lines;
        for (const QStringList& row : records.rows) lines << row[0] + ' ' + row[5];
        return lines;
    }

    TestDataFolder folder;
};

TEST_F(IslandListRecords, NeededAndWorkedAreMixedInReferenceOrder) {
    EXPECT_EQ(references("eu", "needed-worked"), (QStringList{"EU-001 -", "EU-007 W"}));
    EXPECT_EQ(references("eu", "needed"), QStringList{"EU-001 -"});
}

TEST_F(IslandListRecords, ApprovedAndClaimedAreNotGroupedByStatus) {
    folder.execute("UPDATE \"IOTA-EU\" SET Status = 'C' WHERE IOTA = 'EU-001'");
    EXPECT_EQ(references("eu", "approved-claimed"), (QStringList{"EU-001 C", "EU-005 A", "EU-115 C"}));
}

TEST_F(IslandListRecords, AGroupListHoldsOnlyItsGroupInItsTable) {
    folder.execute("UPDATE \"IOTA-AS\" SET Status = 'A', ABW = 'B' WHERE IOTA = 'AS-001'");
    EXPECT_EQ(references("bi", "approved-claimed"), (QStringList{"EU-005 A", "EU-115 C"}));
}

TEST_F(IslandListRecords, DeletedAndUnallocatedAppearInNoList) {
    for (const QString& area : kAreaKeys)
        for (const QString& selection : kSelectionKeys)
            for (const QString& line : references(area, selection)) {
                const std::string list = (area + ' ' + selection).toStdString();
                EXPECT_FALSE(line.endsWith(" D")) << list << ": " << line.toStdString();
                EXPECT_FALSE(line.endsWith(" U")) << list << ": " << line.toStdString();
            }
}

TEST_F(IslandListRecords, LeavesTheHandleOpenOnTheListsTableUnderItsFilter) {
    store::Database db(folder.dataFolder());
    store::Table table(db);
    const reports::RecordSet records = reports::readIslandList(table, listOf("eu", "worked"));
    EXPECT_EQ(records.fields, (QStringList{"IOTA", "Prefix", "Island", "Call", "Comment", "Status"}));
    ASSERT_EQ(records.rows.size(), 1u);
    EXPECT_EQ(records.rows[0], (QStringList{"EU-007", "EI", "Aran Islands", "EI/DL1ABC", "", "W"}));
    EXPECT_TRUE(table.Active());
    EXPECT_EQ(table.TableName(), "IOTA-EU");
    EXPECT_EQ(table.Filter(), "Status = 'W'");
    EXPECT_TRUE(table.Filtered());
}

}  // namespace
