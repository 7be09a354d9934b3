#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/cli_run.h"
#include "support/data_folder.h"
#include "support/files.h"
#include "support/iota_lists.h"
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
        "AF-001\tDXCC\t\t4\n"
        "AF-001\tBox\t\t56.4 59.8 -16.8 -10.3\n"
        "AF-002\tStatus\tU\t-\n"
        "AF-002\tIsland\t\tAmsterdam & St Paul Islands\n"
        "EU-007\tIsland\tAran Islands\tAran Islands (Ireland)\n"
        "EU-007\tABW\t\tB\n"
        "NA-001\tStatus\tD\t-\n"
        "NA-001\tCall\tOLD\t\n"
        "NA-001\tABW\t\tW\n"
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
    const QString broken = writeFile(QDir(folder.path()).filePath("broken.json"), "[{\"refno\": ");

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

// A group award the programme does not have is no list of the programme: refused before the data
// folder is taken, so nothing changes and no backup is made.
TEST(IotaJsonCli, RefusesAnUnknownGroupRegionNamingTheGroupAndChangingNothing) {
    TestDataFolder folder;
    const IslandRecords before = readIslandRecords(folder);
    const CliRun run = cli(folder.path(), {"import-list", fixtureFile("refused_iota_json", "unknown_region.json")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(
        run.err.contains("the group OC-001 has the grp_region \"Oceania\", which the award programme does not "
                         "use (AI, BI, WI or empty); nothing was changed"))
        << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(readIslandRecords(folder), before);
    EXPECT_FALSE(QDir(folder.dataFolder()).exists("Backups"));
}

// The complete list drops a needed and a worked reference: the first is deleted and printed as
// the other changes are, the second kept and named.
TEST(IotaJsonCli, CompleteListThatDropsAWorkedReferenceKeepsItAndSaysSo) {
    TestDataFolder folder;
    writeRecordValues(folder, {{"AF-003", {{"Status", "W"}, {"Call", "ZD8X"}}}});
    QTemporaryDir dir;
    const QString list = writeFile(dir.filePath("fulllist.json"), completeIotaList({"AF-001", "AF-003"}));
    const CliRun run = cli(folder.path(), {"import-list", list});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(
        run.out.contains("AF-001\tStatus\t-\tD\nAF-001\tPrefix\t3B6\tDELETED\n"
                         "AF-001\tIsland\tAgalega Islands\tDELETED\n"
                         "AF-003\tnot in the programme's list: kept as W\n"))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.endsWith(" unknown, 2 not in the programme's list\n")) << run.out.toStdString();
    const IslandRecords after = readIslandRecords(folder);
    EXPECT_EQ(after["AF-003"]["Status"], "W");
    EXPECT_EQ(after["AF-003"]["Call"], "ZD8X");
    EXPECT_EQ(after["AF-001"]["Status"], "D");
}

// init --list takes the programme's JSON list as well as an update text.
TEST(IotaJsonCli, InitTakesTheProgrammesList) {
    QTemporaryDir dir;
    const QString list = writeFile(dir.filePath("fulllist.json"), "\xEF\xBB\xBF \n" + completeIotaList());
    const CliRun init = cli(dir.path(), {"init", "--list", list});
    ASSERT_EQ(init.exitCode, 0) << init.err.toStdString();
    EXPECT_TRUE(init.out.endsWith(" with 1050 listed references\n")) << init.out.toStdString();
    const CliRun summary = cli(dir.path(), {"summary", "--groups"});
    EXPECT_TRUE(
        summary.out.contains("ai\t0\t0\t0\t0\t0\t0\t0\t1\nbi\t0\t0\t0\t0\t0\t0\t0\t1\n"
                             "wi\t0\t0\t0\t0\t0\t0\t0\t1\n"))
        << summary.out.toStdString();
    QFile(list).resize(10);
    const CliRun broken = cli(dir.path(), {"init", "--list", list});
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_TRUE(broken.err.contains("it is no valid JSON")) << "told apart from an update text by its first character";
}

}  // namespace
