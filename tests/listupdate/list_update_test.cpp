#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "base/text_file.h"
#include "listupdate/list_update.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "support/data_folder.h"
#include "support/island_records.h"

namespace {

// Each case folder update_* holds update.txt, perhaps start.txt, and expected.txt.
TEST(ListUpdateFixtures, EveryCaseGivesItsExpectedRecords) {
    const QStringList cases = fixtureCases(QStringLiteral("update_"));
    ASSERT_FALSE(cases.isEmpty());
    for (const QString& name : cases) {
        const TextLines lines = readTextLines(fixtureFile(name, QStringLiteral("update.txt")));
        const QStringList differences =
            runRecordFixture(name, QStringLiteral("expected.txt"),
                             [&](store::Database& db, store::Table& table, const StartCounts& counts) {
                                 applyListUpdate(db, table, lines, counts);
                             });
        EXPECT_TRUE(differences.isEmpty()) << name.toStdString() << ":\n" << differences.join(u'\n').toStdString();
    }
}

KindLinesResult applied(TestDataFolder& folder, const QStringList& lines) {
    store::Database db(folder.dataFolder());
    store::Table table(db);
    const StartState start = readStartState(table);
    const KindLinesResult result = applyListUpdate(db, table, lines, start.counts);
    EXPECT_FALSE(table.Active());
    EXPECT_FALSE(table.Filtered());
    return result;
}

QString islandLine(const QString& reference, const QString& prefix, const QString& name) {
    return "ISLAND   " + reference + ' ' + prefix.leftJustified(10) + "  " + name;
}

// Per kind, at most as many lines as the kind's table held at start: 28 records in IOTA-AF.
TEST(ListUpdate, LinesOfAKindBeyondItsStartCountChangeNothing) {
    TestDataFolder folder;
    QStringList lines;
    for (int i = 1; i <= 28; ++i) lines << islandLine(QString("AF-%1").arg(i, 3, 10, QChar('0')), "P", "Isle");
    lines << islandLine("AF-002", "LATE", "Too late");
    lines << "BI       EU-001";
    const KindLinesResult result = applied(folder, lines);
    const IslandRecords records = readIslandRecords(folder);
    EXPECT_EQ(records["AF-002"]["Prefix"], "P         ") << "the 29th AF line was applied";
    EXPECT_EQ(records["EU-001"]["ABW"], "B") << "group kinds count their own lines";
    EXPECT_EQ(result.islandLines, 28);
    EXPECT_EQ(result.groupLines, 1);
    EXPECT_EQ(result.passedOver, 1);
}

// More than 500 lines of one kind are all applied when the table has room for them.
TEST(ListUpdate, AppliesEveryLineOfALongKind) {
    TestDataFolder folder({{"EU-600", "Isle", "G"}});
    QStringList lines;
    for (int i = 1; i <= 600; ++i)
        lines << islandLine(QString("EU-%1").arg(i, 3, 10, QChar('0')), "G", QString::number(i));
    EXPECT_EQ(applied(folder, lines).islandLines, 600);
    EXPECT_EQ(readIslandRecords(folder)["EU-600"]["Island"], "600");
}

TEST(ListUpdate, TextWithoutRecordLinesChangesNothing) {
    TestDataFolder folder;
    const IslandRecords before = readIslandRecords(folder);
    applied(folder, {"Nothing to see", "", "CALLSIGN G4ABC"});
    applied(folder, {});
    EXPECT_EQ(readIslandRecords(folder), before);
}

TEST(ListUpdate, CutsAMegabyteNameToItsFieldAndEndsAFiftyMegabyteTextQuickly) {
    TestDataFolder folder;
    const QString longName(1024 * 1024, u'n');
    QStringList lines{islandLine("OC-001", "VK", longName)};
    const QString filler = islandLine("SA-001", "YV0", "Aves Island, listed again and again to fill fifty MB");
    for (int i = 0; i < 50 * 1024 * 1024 / int(filler.size()); ++i) lines << filler;
    QElapsedTimer timer;
    timer.start();
    applied(folder, lines);
    EXPECT_LT(timer.elapsed(), 30000);
    EXPECT_EQ(readIslandRecords(folder)["OC-001"]["Island"], longName.left(250));
}

}  // namespace
