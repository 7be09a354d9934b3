#include <gtest/gtest.h>

#include "base/failure.h"
#include "register/reference_record.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "support/data_folder.h"

namespace {

constexpr const char* kEurope = "IOTA-EU";

// The key of the record a handle stands on, or "none".
QString standingKey(store::Table& table, bool found) {
    return found ? table.valueAt(table.RecNo(), table.fieldIndex("Key")) : QStringLiteral("none");
}

// What a pass finds must be what a lookup by filter finds, for every kind of reference a line
// may bring: listed, unlisted, unallocated, in another letter case, with a blank, a filter's "*".
void expectPassFindsAsTheFilterDoes(TestDataFolder& folder) {
    store::Database db(folder.dataFolder());
    store::Table byFilter(db);
    store::Table byPass(db);
    beginReferencePass(byFilter, kEurope);
    ReferencePass pass(byPass, kEurope);
    for (const char* reference : {"EU-005", "EU-001", "EU-115", "EU-020", "EU-999", "eu-005", "EU-005 ", " EU-005",
                                  "EU-00*", "EU-0055", "EU005", "", "EU-005", "EU-007"}) {
        const QString expected = standingKey(byFilter, standOnReference(byFilter, reference));
        EXPECT_EQ(standingKey(byPass, pass.standOn(reference)), expected) << "reference \"" << reference << "\"";
    }
}

TEST(ReferencePass, FindsTheRecordsALookupByFilterFinds) {
    TestDataFolder folder;
    expectPassFindsAsTheFilterDoes(folder);
}

// A damaged folder's table may hold a reference twice: both ways stand on the first in key order.
TEST(ReferencePass, OfAReferenceHeldTwiceFindsTheFirstInKeyOrder) {
    TestDataFolder folder;
    folder.execute(R"(CREATE TABLE "twice" ("Key" INTEGER PRIMARY KEY, "ABW" TEXT, "IOTA" TEXT, "Prefix" TEXT,
        "Island" TEXT, "Call" TEXT, "Status" TEXT, "Comment" TEXT);
        INSERT INTO "twice" SELECT * FROM "IOTA-EU";
        INSERT INTO "twice" VALUES (0, '', 'EU-005', 'G', 'Great Britain', 'SECOND', '-', '');
        INSERT INTO "twice" VALUES (900, '', 'EU-007', 'EI', 'Aran Islands', 'LATER', '-', '');
        DROP TABLE "IOTA-EU"; ALTER TABLE "twice" RENAME TO "IOTA-EU")");
    expectPassFindsAsTheFilterDoes(folder);
}

// What a pass writes is what its next lookup of the same reference finds, and what is stored.
TEST(ReferencePass, ALaterLookupFindsWhatAnEarlierOneWrote) {
    TestDataFolder folder;
    {
        store::Database db(folder.dataFolder());
        store::Table table(db);
        ReferencePass pass(table, kEurope);
        for (const char* call : {"G4FIRST", "G4LAST"}) {
            ASSERT_TRUE(pass.standOn("EU-005"));
            EXPECT_EQ(table.FieldByName("Call").AsString(), call == QLatin1String("G4FIRST") ? "" : "G4FIRST");
            table.Edit();
            table.FieldByName("Call").setAsString(call);
            table.Post();
            ASSERT_TRUE(pass.standOn("EU-001"));
        }
        pass.close();
    }
    const QStringList references = folder.column(kEurope, "IOTA");
    EXPECT_EQ(folder.column(kEurope, "Call").value(references.indexOf("EU-005")), "G4LAST");
}

// The handle is left as lookups by filter leave it: closed, writable, filtered on the last
// reference looked up; a pass that looked nothing up keeps the filter it found.
TEST(ReferencePass, LeavesTheHandleFilteredOnTheLastReferenceLookedUp) {
    TestDataFolder folder;
    store::Database db(folder.dataFolder());
    store::Table table(db);
    table.setFilter("Status = '-'");
    ReferencePass(table, "IOTA-AF").close();
    EXPECT_EQ(table.Filter(), "Status = '-'");
    ReferencePass pass(table, kEurope);
    EXPECT_TRUE(pass.standOn("EU-005"));
    EXPECT_FALSE(pass.standOn("EU-999"));
    EXPECT_FALSE(pass.standOn("EU-00*")) << "not well-formed: not looked up";
    pass.close();
    EXPECT_FALSE(table.Active());
    EXPECT_FALSE(table.ReadOnly());
    EXPECT_TRUE(table.Filtered());
    EXPECT_EQ(table.TableName(), kEurope);
    EXPECT_EQ(table.Filter(), "IOTA = 'EU-999'");
}

// A table that lost its reference field fails, naming it, only when a line needs a record.
TEST(ReferencePass, ReadsItsTableOnlyWhenALookupNeedsIt) {
    TestDataFolder folder;
    folder.removeField(kEurope, "IOTA");
    store::Database db(folder.dataFolder());
    store::Table table(db);
    ReferencePass pass(table, kEurope);
    EXPECT_FALSE(pass.standOn("EU-5"));
    try {
        pass.standOn("EU-005");
        FAIL() << "a table without its reference field was searched";
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.message().contains("\"IOTA\"")) << failure.message().toStdString();
    }
}

}  // namespace
