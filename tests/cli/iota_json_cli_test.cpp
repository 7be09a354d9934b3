#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "support/cli_run.h"
#include "support/data_folder.h"
#include "support/island_records.h"

namespace {

QString groupsList() {
    return fixtureFile("iota_json_groups", "list.json");
}

// --dry-run prints what the list would change and writes nothing; then the list is applied and
// the same list again changes nothing.
TEST(IotaJsonCli, ImportListPreviewsThenAppliesOnce) {
    TestDataFolder folder;
    writeRecordValues(folder, readRecordValues(fixtureFile("iota_json_groups", "start.txt")));
    const IslandRecords before = readIslandRecords(folder);
    const QString changes =
        "AF-001\tIsland\tAgalega Islands\tAgalega & St Brandon Islands\n"
        "AF-002\tStatus\tU\t-\n"
        "AF-002\tIsland\t\tAmsterdam & St Paul Islands\n"
        "EU-007\tIsland\tAran Islands\tAran Islands (Ireland)\n"
        "NA-001\tStatus\tD\t-\n"
        "NA-001\tCall\tOLD\t\n"
        "OC-002\tStatus\tW\tD\n"
        "OC-002\tPrefix\tKH1\tDELETED\n"
        "OC-002\tIsland\tHowland Island\tDELETED\n"
        "SA-001\tStatus\t\t-\n"
        "SA-001\tCall\tYV0A\t\n"
        "6 changed, 2 unchanged, 2 unknown\n";

    const CliRun dryRun = cli(folder.path(), {"import-list", groupsList(), "--dry-run"});
    ASSERT_EQ(dryRun.exitCode, 0) << dryRun.err.toStdString();
    EXPECT_EQ(dryRun.out, changes);
    EXPECT_EQ(readIslandRecords(folder), before) << "--dry-run writes nothing";

    const CliRun applied = cli(folder.path(), {"import-list", groupsList()});
    ASSERT_EQ(applied.exitCode, 0) << applied.err.toStdString();
    EXPECT_EQ(applied.out, changes);
    EXPECT_EQ(readIslandRecords(folder)["OC-002"]["Status"], "D");

    const CliRun again = cli(folder.path(), {"import-list", groupsList()});
    EXPECT_EQ(again.out, "0 changed, 8 unchanged, 2 unknown\n");
}

TEST(IotaJsonCli, WantListByRarityNeedsTheListFirst) {
    TestDataFolder folder;
    const CliRun without = cli(folder.path(), {"want-list", "--by-rarity"});
    EXPECT_EQ(without.exitCode, 1);
    EXPECT_TRUE(without.err.startsWith("skerrydesk-cli: The data folder holds no rarity yet"))
        << without.err.toStdString();
    EXPECT_TRUE(without.err.contains("skerrydesk-cli import-list FILE")) << without.err.toStdString();

    ASSERT_EQ(cli(folder.path(), {"import-list", groupsList()}).exitCode, 0);
    const CliRun wantList = cli(folder.path(), {"want-list", "--by-rarity"});
    ASSERT_EQ(wantList.exitCode, 0) << wantList.err.toStdString();
    const QStringList lines = wantList.out.split(u'\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], "Africa:");
    EXPECT_EQ(lines[1], "  AF-002   9.1%  AF-001  21.6%  AF-003  35.2%") << "needed ones, rarest first";
    EXPECT_TRUE(lines.contains("Europe:"));
}

// A wrong file or command line fails and leaves the data folder as it was.
TEST(IotaJsonCli, RefusesBadInputChangingNothing) {
    TestDataFolder folder;
    const IslandRecords before = readIslandRecords(folder);
    const QString broken = QDir(folder.path()).filePath("broken.json");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[{\"refno\": ");
    file.close();

    const CliRun bad = cli(folder.path(), {"import-list", broken});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.startsWith("skerrydesk-cli: Cannot read the IOTA list " + QDir::toNativeSeparators(broken)))
        << bad.err.toStdString();
    const QStringList usageErrors[] = {
        {"import-list"}, {"import-list", "a.json", "b.json"}, {"want-list", "--worked", "--by-rarity"}};
    for (const QStringList& arguments : usageErrors)
        EXPECT_EQ(cli(folder.path(), arguments).exitCode, 2) << arguments.join(u' ').toStdString();
    EXPECT_EQ(readIslandRecords(folder), before);
}

}  // namespace
