#include "register/store/table.h"

#include <gtest/gtest.h>

#include "base/failure.h"
#include "register/store/database.h"
#include "support/data_folder.h"

namespace {

class TableTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.execute("UPDATE \"IOTA-EU\" SET ABW = 'B' WHERE IOTA IN ('EU-005', 'EU-007', 'EU-115')");
        folder.execute("UPDATE \"IOTA-EU\" SET Status = 'W', Call = 'G3X' WHERE IOTA = 'EU-007'");
        db.setPath(folder.dataFolder());
    }

    void openIslands(const QString& tableName, const QString& filter, bool readOnly = true) {
        table.Close();
        table.setTableName(tableName);
        table.setReadOnly(readOnly);
        table.setFilter(filter);
        table.setFiltered(!filter.isEmpty());
        table.Open();
    }

    QStringList visible(const QString& field) {
        QStringList values;
        for (table.First(); !table.Eof(); table.Next()) values << table.FieldByName(field).AsString();
        return values;
    }

    TestDataFolder folder;
    store::Database db;
    store::Table table{db};
};

TEST_F(TableTest, StartsClosedOnOwnerReadOnlyAndUnfiltered) {
    store::Table fresh(db);
    EXPECT_EQ(fresh.TableName(), "Owner");
    EXPECT_TRUE(fresh.ReadOnly());
    EXPECT_FALSE(fresh.Active());
    EXPECT_FALSE(fresh.Filtered());
    EXPECT_TRUE(fresh.Filter().isEmpty());
}

TEST_F(TableTest, OpensInKeyOrderOnTheFirstVisibleRecord) {
    openIslands("IOTA-EU", "");
    ASSERT_EQ(table.RecordCount(), 7 + 25 + 115 - 7) << "EU-001 to EU-140: highest listed 115 plus 25";
    EXPECT_EQ(table.FieldByName("IOTA").AsString(), "EU-001");
    EXPECT_EQ(table.FieldByPlace(3).AsString(), "EU-001");
    EXPECT_EQ(table.FieldByPlace(5).AsString(), "Aegean Islands");
    const QStringList references = visible("IOTA");
    EXPECT_EQ(references.first(), "EU-001");
    EXPECT_EQ(references.last(), "EU-140");
    EXPECT_TRUE(std::is_sorted(references.begin(), references.end()));
}

TEST_F(TableTest, RecordCountFollowsTheFilterExactly) {
    openIslands("IOTA-EU", "ABW = 'B'");
    EXPECT_EQ(table.RecordCount(), 3);
    EXPECT_EQ(visible("IOTA"), (QStringList{"EU-005", "EU-007", "EU-115"}));
    table.setFiltered(false);
    EXPECT_EQ(table.RecordCount(), 140);
    EXPECT_EQ(table.FieldByName("IOTA").AsString(), "EU-001");

    // Stored while unfiltered, applied only when Filtered becomes true.
    table.setFilter("Status = 'W'");
    EXPECT_EQ(table.RecordCount(), 140);
    table.setFiltered(true);
    EXPECT_EQ(table.RecordCount(), 1);
    EXPECT_EQ(table.FieldByName("Call").AsString(), "G3X");

    table.setFilter("Status <> 'U'");
    EXPECT_EQ(table.RecordCount(), 4) << "listed references, whatever their status";
    table.setFilter("Status = 'a'");
    EXPECT_EQ(table.RecordCount(), 0);
    EXPECT_EQ(table.FieldByName("IOTA").AsString(), "") << "no record: fields read empty";
    EXPECT_THROW(table.Edit(), Failure);
}

TEST_F(TableTest, FilterSurvivesCloseAndAnotherTable) {
    openIslands("IOTA-EU", "Status = '-'");
    table.Close();
    table.setTableName("IOTA-AF");
    table.Open();
    EXPECT_TRUE(table.Filtered());
    EXPECT_EQ(table.Filter(), "Status = '-'");
    EXPECT_EQ(table.RecordCount(), 2);
}

TEST_F(TableTest, FilterChangeWritesAPendingEditAndCloseDropsIt) {
    openIslands("IOTA-EU", "IOTA = 'EU-001'", false);
    table.Edit();
    table.FieldByName("Comment").setAsString("typed, not posted");
    EXPECT_EQ(table.FieldByName("Comment").AsString(), "typed, not posted");
    table.setFilter("IOTA = 'EU-005'");
    table.Edit();
    table.FieldByName("Comment").setAsString("lost on close");
    table.Close();

    openIslands("IOTA-EU", "", true);
    EXPECT_EQ(table.FieldByName("Comment").AsString(), "typed, not posted");
    table.Next();
    table.Next();
    table.Next();
    table.Next();
    ASSERT_EQ(table.FieldByName("IOTA").AsString(), "EU-005");
    EXPECT_EQ(table.FieldByName("Comment").AsString(), "");
    table.Close();
    db.close();
    EXPECT_EQ(folder.column("IOTA-EU", "Comment").first(), "typed, not posted");
}

TEST_F(TableTest, PostWritesAndNextSettles) {
    openIslands("IOTA-AF", "", false);
    table.Edit();
    table.FieldByName("Call").setAsString("3B6RF");
    table.Next();
    table.Edit();
    table.FieldByName("Call").setAsString("posted");
    table.Post();
    table.Close();
    db.close();
    EXPECT_EQ(folder.column("IOTA-AF", "Call").mid(0, 2), (QStringList{"3B6RF", "posted"}));
}

TEST_F(TableTest, ARecordWrittenOutOfTheFilterDropsOutWithoutSkippingItsFollower) {
    openIslands("IOTA-EU", "Status = '-'", false);
    QStringList visited;
    for (table.First(); !table.Eof(); table.Next()) {
        visited << table.FieldByName("IOTA").AsString();
        table.Edit();
        table.FieldByName("Status").setAsString("W");
    }
    EXPECT_EQ(visited, (QStringList{"EU-001", "EU-005", "EU-115"}));
    EXPECT_EQ(table.RecordCount(), 0);
}

TEST_F(TableTest, ReadOnlyAndEditStateAreEnforced) {
    openIslands("IOTA-EU", "IOTA = 'EU-001'");
    try {
        table.Edit();
        FAIL() << "edited a read-only table";
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.message().contains("read-only")) << failure.message().toStdString();
        EXPECT_TRUE(failure.message().contains("IOTA-EU"));
    }
    EXPECT_THROW(table.FieldByName("Status").setAsString("W"), Failure) << "not in edit state";
    EXPECT_THROW(table.Delete(), Failure);
    EXPECT_THROW(table.setTableName("IOTA-AF"), Failure) << "name changes only while closed";
    EXPECT_THROW(table.setReadOnly(false), Failure);
    EXPECT_THROW(table.FieldByName("Staus"), Failure);
}

TEST_F(TableTest, OwnerRowsFoundByNameAndAwardsByNumber) {
    openIslands("Owner", "Name = 'C''vted to Directory 2000'", false);
    ASSERT_EQ(table.RecordCount(), 1);
    table.Edit();
    table.FieldByPlace(3).setAsString("Yes");
    table.Post();
    table.setFilter("Name = 'Callsign'");
    EXPECT_EQ(table.FieldByName("No").AsString(), "1") << "a whole number reads without a decimal point";
    table.Close();
    db.close();
    EXPECT_EQ(folder.ownerValue("C'vted to Directory 2000"), "Yes");

    openIslands("Awards", "");
    EXPECT_TRUE(table.Locate("No", "3"));
    EXPECT_EQ(table.FieldByName("No").AsString(), "3");
    EXPECT_EQ(table.FieldByName("Award_number").AsString(), "NONE");
    EXPECT_FALSE(table.Locate("No", "999"));
}

TEST_F(TableTest, MissingTableIsNamed) {
    table.setTableName("IOTA-XX");
    try {
        table.Open();
        FAIL() << "opened a missing table";
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.message().contains("\"IOTA-XX\"")) << failure.message().toStdString();
    }
    EXPECT_FALSE(table.Active());
}

TEST_F(TableTest, MalformedFilterOnOpenTableKeepsItReadable) {
    openIslands("IOTA-EU", "ABW = 'B'");
    EXPECT_THROW(table.setFilter("ABW = 'B"), Failure);
    EXPECT_TRUE(table.Active());
    EXPECT_EQ(table.RecordCount(), 3) << "the records shown before stay";
}

}  // namespace

// Several reading steps with the controls disabled tell the controls once, at the end, also
// when a step fails; a step that changes nothing tells nothing.
TEST_F(TableTest, DisabledControlsHearOnceWhatTheStepsChanged) {
    int recordSets = 0;
    QList<int> currents;
    QObject::connect(&table, &store::Table::recordSetChanged, [&] { ++recordSets; });
    QObject::connect(&table, &store::Table::currentChanged, [&](int row) { currents << row; });
    table.withControlsDisabled([&] {
        openIslands("IOTA-EU", "");
        table.withControlsDisabled([&] { table.setFiltered(true); });
        table.setFilter("ABW = 'B'");
        EXPECT_EQ(recordSets, 0) << "nothing told while disabled, nested steps included";
    });
    EXPECT_EQ(recordSets, 1);
    EXPECT_EQ(currents, QList<int>{0});
    EXPECT_EQ(table.RecordCount(), 3);

    EXPECT_THROW(table.withControlsDisabled([&] {
        table.setFilter("Status = 'W'");
        table.setFilter("Status = ");
    }),
                 Failure);
    EXPECT_EQ(recordSets, 2) << "a failed step still tells what the steps before it changed";
    table.withControlsDisabled([] {});
    EXPECT_EQ(recordSets, 2);
}

// The records are read when first needed, after the count: records deleted through the
// connection meanwhile leave the handle within those read, its count following them.
TEST_F(TableTest, RecordsGoneBeforeTheyAreReadLeaveTheHandleWithinThoseRead) {
    struct Case {
        const char* deleted;
        int countAfter;
        const char* current;
    };
    const Case cases[] = {
        {"IOTA = 'EU-115'", 2, "EU-005"},
        {"ABW = 'B'", 0, ""},
    };
    for (const Case& removal : cases) {
        SCOPED_TRACE(removal.deleted);
        openIslands("IOTA-EU", "ABW = 'B'");
        ASSERT_GT(table.RecordCount(), removal.countAfter);
        db.execute(QStringLiteral("DELETE FROM \"IOTA-EU\" WHERE %1").arg(removal.deleted));
        table.MoveTo(2);
        EXPECT_EQ(table.FieldByName("IOTA").AsString(), removal.current);
        EXPECT_EQ(table.RecordCount(), removal.countAfter);
        EXPECT_EQ(table.valueAt(2, table.fieldIndex("IOTA")), "") << "a row no longer there reads empty";
        EXPECT_EQ(table.Eof(), removal.countAfter == 0);
    }
}

namespace {

// The start counts are taken without opening the tables: each must be what opening it counts,
// and a table that opening refuses is refused as well, with the same message.
TEST_F(TableTest, CountsAllRecordsAsOpeningCountsThem) {
    for (const char* name : {"IOTA-AF", "IOTA-EU", "IOTA-SA", "Awards", "Owner"}) {
        table.Close();
        table.setTableName(name);
        const int counted = table.countAllRecords();
        EXPECT_FALSE(table.Active()) << name;
        openIslands(name, "");
        EXPECT_EQ(counted, table.RecordCount()) << name;
    }
    db.execute(R"(DELETE FROM "IOTA-EU" WHERE IOTA = 'EU-005')");
    openIslands("IOTA-EU", "");
    const int all = table.RecordCount();
    openIslands("IOTA-EU", "Status = 'W'");
    EXPECT_EQ(table.countAllRecords(), all) << "all records, not the visible";
    EXPECT_EQ(table.RecordCount(), 1) << "the open handle stays as it was";
    for (const char* field : {"Key", "IOTA"}) {
        TestDataFolder damaged;
        damaged.removeField("IOTA-EU", field);
        store::Database damagedDb(damaged.dataFolder());
        store::Table opened(damagedDb);
        store::Table counted(damagedDb);
        opened.setTableName("IOTA-EU");
        counted.setTableName("IOTA-EU");
        const auto failureOf = [](const std::function<void()>& step) {
            try {
                step();
            } catch (const Failure& failure) {
                return failure.message();
            }
            return QStringLiteral("no failure");
        };
        EXPECT_EQ(failureOf([&] { counted.countAllRecords(); }), failureOf([&] { opened.Open(); })) << field;
    }
    table.Close();
    table.setTableName("no such table");
    EXPECT_THROW(table.countAllRecords(), Failure);
}

}  // namespace
