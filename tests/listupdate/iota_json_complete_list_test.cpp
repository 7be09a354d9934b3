#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "base/failure.h"
#include "listupdate/iota_json_folder.h"
#include "listupdate/iota_json_list.h"
#include "listupdate/iota_json_update.h"
#include "register/delivered_data.h"
#include "register/groups_table.h"
#include "register/rarity_table.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "support/data_folder.h"
#include "support/iota_lists.h"
#include "support/island_records.h"

namespace {

IotaListPlan planFor(const TestDataFolder& folder, const QByteArray& list) {
    store::Database db(folder.dataFolder());
    store::Table table(db);
    return planIotaListUpdate(table, parseIotaJsonList(list, "list.json"));
}

void apply(const TestDataFolder& folder, const QByteArray& list) {
    store::Database db(folder.dataFolder());
    store::Table table(db);
    applyIotaListPlan(db, table, planIotaListUpdate(table, parseIotaJsonList(list, "list.json")));
}

QStringList referencesOf(int continentIndex, int from, int to) {
    QStringList references;
    for (int number = from; number <= to; ++number)
        references << QString("%1-%2").arg(continents()[size_t(continentIndex)].code).arg(number, 3, 10, QChar('0'));
    return references;
}

// All seven continents and at least 1,000 groups make the list complete.
TEST(IotaJsonCompleteList, NeedsAllSevenContinentsAndAThousandGroups) {
    TestDataFolder folder;
    const struct {
        const char* what;
        QStringList omitted;
        bool complete;
    } lists[] = {
        {"1,049 groups", {}, true},
        {"1,000 groups", referencesOf(0, 1, 50), true},
        {"999 groups", referencesOf(0, 1, 51), false},
        {"no Antarctica", referencesOf(1, 1, kListedNumbers), false},
    };
    for (const auto& list : lists) {
        const IotaListPlan plan = planFor(folder, completeIotaList(QStringList{"AF-001"} + list.omitted));
        EXPECT_EQ(plan.complete, list.complete) << list.what;
        EXPECT_EQ(plan.absent.empty(), !list.complete) << list.what << ": the sample folder's AF-001 is left out";
    }
}

// A needed reference the complete list drops is deleted as a group marked deleted is; a worked,
// claimed or approved one keeps status and call and is named; unallocated and deleted ones stay.
TEST(IotaJsonCompleteList, DeletesTheNeededItDropsAndNamesTheCreditedItKeeps) {
    TestDataFolder folder;
    writeRecordValues(folder, {{"AF-003", {{"Status", "W"}, {"Call", "ZD8X"}}},
                               {"EU-005", {{"Status", "A"}, {"Call", "G3ABC"}}},
                               {"OC-002", {{"Status", "C"}, {"Call", "KH1Y"}}},
                               {"AN-002", {{"Status", "D"}}}});
    const QByteArray list = completeIotaList({"AF-001", "AF-002", "AF-003", "AN-002", "EU-005", "OC-002", "SA-001"});
    const IotaListPlan plan = planFor(folder, list);
    ASSERT_TRUE(plan.complete);
    QStringList absent;
    for (const IotaRecordChange& change : plan.absent) absent << change.reference + ": " + absenceNote(change);
    EXPECT_EQ(
        absent,
        (QStringList{"AF-001: not in the programme's list: deleted", "AF-003: not in the programme's list: kept as W",
                     "EU-005: not in the programme's list: kept as A", "OC-002: not in the programme's list: kept as C",
                     "SA-001: not in the programme's list: deleted"}))
        << "AF-002 is unallocated, AN-002 deleted already";

    const IslandRecords before = readIslandRecords(folder);
    apply(folder, list);
    const IslandRecords after = readIslandRecords(folder);
    const IslandRecords expected =
        withValues(before, {{"AF-001", {{"Status", "D"}, {"Prefix", "DELETED"}, {"Island", "DELETED"}}},
                            {"SA-001", {{"Status", "D"}, {"Prefix", "DELETED"}, {"Island", "DELETED"}}}});
    for (const QString reference : {"AF-001", "AF-002", "AF-003", "AN-002", "EU-005", "OC-002", "SA-001"})
        EXPECT_EQ(after[reference], expected[reference]) << reference.toStdString();
    EXPECT_EQ(planFor(folder, list).changed(), 0) << "the same list again changes nothing";
}

// The facts the list gives replace those stored; a list that gives none keeps them.
TEST(IotaJsonCompleteList, StoresTheGroupsFactsAndKeepsThemWhereAListGivesNone) {
    TestDataFolder folder;
    apply(folder, completeIotaList());
    const auto facts = [&] {
        store::Database db(folder.dataFolder());
        return readGroupFacts(db);
    };
    const GroupFacts wrangel = facts().value("AS-027");
    EXPECT_EQ(wrangel.dxcc, "27");
    ASSERT_TRUE(wrangel.box);
    EXPECT_TRUE(wrangel.box->crossesDateLine());
    EXPECT_EQ(boxText(wrangel.box), "178.25 -175.25 10 11");
    EXPECT_FALSE(facts().contains("AF-150")) << "only references with a record get facts";

    const IotaListPlan bare = planFor(folder, R"([{"refno": "AS-027", "name": "Group AS-027"}])");
    EXPECT_EQ(bare.changed(), 0);
    const IotaListPlan moved =
        planFor(folder, R"([{"refno": "AS-027", "name": "Group AS-027", "dxcc_num": "15", "latitude_min": "70.67",
                     "latitude_max": "71.75", "longitude_min": "178.25", "longitude_max": "-175.25"}])");
    ASSERT_EQ(moved.changes.size(), 1u);
    QStringList fields;
    for (const IotaFieldChange& field : fieldChanges(moved.changes.front()))
        fields << field.field + ": " + field.before + " → " + field.after;
    EXPECT_EQ(fields, (QStringList{"DXCC: 27 → 15", "Box: 178.25 -175.25 10 11 → 178.25 -175.25 70.67 71.75"}));
}

// init --list with the programme's list: its groups needed with their names, codes, facts and
// rarity, each continent padded with unallocated numbers.
TEST(IotaJsonFolder, CreatesTheDataFolderFromTheList) {
    QTemporaryDir dir;
    const IotaJsonList list = parseIotaJsonList(
        completeIotaList({"EU-150", "OC-010"}).replace("\"Group OC-011\"", "\" Group OC-011 \""), "list.json");
    EXPECT_EQ(createDataFolderFromIotaList(dir.path(), list, "list.json"), 7 * kListedNumbers - 2);
    store::Database db(QDir(dir.path()).filePath("Data"));
    store::Statement& select = db.prepare(
        "SELECT count(*), max(IOTA), sum(Status = '-'), sum(Status = 'U'), sum(Prefix <> '') FROM \"IOTA-EU\"");
    ASSERT_TRUE(select.step());
    EXPECT_EQ(select.columnInteger(0), kListedNumbers - 1 + kUnallocatedPadding);
    EXPECT_EQ(select.columnText(1), "EU-174");
    EXPECT_EQ(select.columnInteger(2), kListedNumbers - 1);
    EXPECT_EQ(select.columnInteger(3), kUnallocatedPadding);
    EXPECT_EQ(select.columnInteger(4), 0) << "the list has no prefixes";
    select.reset();
    const struct {
        const char* table;
        const char* reference;
        QString fields;
    } records[] = {{"IOTA-EU", "EU-005", "-|Group EU-005|B"},
                   {"IOTA-NA", "NA-001", "-|Group NA-001|W"},
                   {"IOTA-OC", "OC-010", "U||"},
                   {"IOTA-OC", "OC-011", "-|Group OC-011|"}};
    for (const auto& r : records) {
        store::Statement& one = db.prepare(
            QString("SELECT Status || '|' || Island || '|' || ABW FROM \"%1\" WHERE IOTA = ?1").arg(r.table));
        one.bind(1, QString(r.reference));
        ASSERT_TRUE(one.step()) << r.reference;
        EXPECT_EQ(one.columnText(0), r.fields) << r.reference;
        one.reset();
    }
    EXPECT_EQ(readGroupFacts(db).size(), 7 * kListedNumbers - 2);
    EXPECT_EQ(readRarity(db).value("AF-007"), 7);
    db.close();
    EXPECT_THROW(createDataFolderFromIotaList(dir.path(), list, "list.json"), Failure) << "Data is there already";
}

}  // namespace
