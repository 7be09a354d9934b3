#include <gtest/gtest.h>

#include <QDir>

#include "support/cli_run.h"
#include "support/data_folder.h"
#include "support/files.h"
#include "support/island_records.h"

namespace {

const QString kStatusOrder = QStringLiteral("adif_status_order");

// The records of the case's start, with the folder they are in.
IslandRecords prepare(TestDataFolder& folder, const QString& caseName) {
    writeRecordValues(folder, readRecordValues(fixtureFile(caseName, QStringLiteral("start.txt"))));
    return readIslandRecords(folder);
}

TEST(ImportAdifCli, PrintsEveryChangeAndTheCountsAndWritesOnlyWithoutDryRun) {
    TestDataFolder folder;
    const IslandRecords before = prepare(folder, kStatusOrder);
    const QString log = fixtureFile(kStatusOrder, QStringLiteral("input.adi"));
    const QString changes = QStringLiteral(
        "AN-001\tW\tC\tCE9C\nAN-002\tD\tW\t3Y0D\nAS-002\tU\tW\tVU4E\nAS-004\t-\tW\t5B4F\nEU-001\tC\tA\tSV8G\n"
        "5 changed, 3 unchanged, 0 skipped\n");

    const CliRun dryRun = cli(folder.path(), {"import-adif", log, "--dry-run"});
    ASSERT_EQ(dryRun.exitCode, 0) << dryRun.err.toStdString();
    EXPECT_EQ(dryRun.out, changes);
    EXPECT_EQ(recordDifferences(before, readIslandRecords(folder)), QStringList()) << "a dry run writes nothing";

    const CliRun import = cli(folder.path(), {"import-adif", "--confirmed-by", "card", log});
    ASSERT_EQ(import.exitCode, 0) << import.err.toStdString();
    EXPECT_EQ(import.out, changes);
    const IslandRecords expected =
        withValues(before, readRecordValues(fixtureFile(kStatusOrder, QStringLiteral("expected-card.txt"))));
    EXPECT_EQ(recordDifferences(expected, readIslandRecords(folder)), QStringList());

    EXPECT_EQ(cli(folder.path(), {"import-adif", log}).out, "0 changed, 8 unchanged, 0 skipped\n");
}

TEST(ImportAdifCli, ConfirmedByNamesTheSourcesCounted) {
    TestDataFolder folder;
    const QString log = fixtureFile(QStringLiteral("adif_rules"), QStringLiteral("input.adi"));
    const CliRun all = cli(folder.path(), {"import-adif", log, "--confirmed-by", "card,lotw,eqsl", "--dry-run"});
    EXPECT_TRUE(all.out.contains("AS-004\t-\tC\t5B4H\n")) << all.out.toStdString();
    const CliRun lotw = cli(folder.path(), {"import-adif", log, "--dry-run", "--confirmed-by", "lotw"});
    EXPECT_TRUE(lotw.out.contains("AS-001\t-\tW\tVU4F\n")) << lotw.out.toStdString();
    EXPECT_TRUE(lotw.out.endsWith("11 changed, 0 unchanged, 0 skipped\n")) << lotw.out.toStdString();
}

// stderr says who wrote the log and why QSOs were skipped; stdout keeps its changes and counts.
TEST(ImportAdifCli, TellsTheLogsOriginAndTheSkippedQsosOnStderr) {
    TestDataFolder folder;
    prepare(folder, kStatusOrder);
    const QString log = writeFile(QDir(folder.path()).filePath(QStringLiteral("lotwreport.adi")),
                                  "ARRL Logbook of the World Status Report\n<PROGRAMID:4>LoTW\n<eoh>\n"
                                  "<CALL:4>5B4H<IOTA:6>AS-004<QSL_RCVD:1>Y<eor>\n<CALL:4>K1AB<QSL_RCVD:1>Y<eor>\n"
                                  "<CALL:4>K1XY<IOTA:2>AS<eor>\n<CALL:4>K1XZ<IOTA:2>AS<eor>\n");
    const CliRun run = cli(folder.path(), {"import-adif", log, "--dry-run"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "AS-004\t-\tW\t5B4H\n1 changed, 0 unchanged, 3 skipped\n");
    EXPECT_EQ(run.err,
              "LoTW report: its confirmations count as LoTW\n2 with a malformed reference\n1 without an IOTA field\n");
    const CliRun lotw = cli(folder.path(), {"import-adif", log, "--confirmed-by", "lotw", "--no-backup"});
    EXPECT_EQ(lotw.out, "AS-004\t-\tC\t5B4H\n1 changed, 0 unchanged, 3 skipped\n");
}

TEST(ImportAdifCli, WrongCommandLinesAreUsageErrors) {
    TestDataFolder folder;
    const QString log = fixtureFile(kStatusOrder, QStringLiteral("input.adi"));
    const QStringList wrong[] = {
        {"import-adif"},
        {"import-adif", log, log},
        {"import-adif", log, "--confirmed-by"},
        {"import-adif", log, "--confirmed-by", "fax"},
        {"import-adif", log, "--dryrun"},
    };
    for (const QStringList& arguments : wrong) {
        const CliRun run = cli(folder.path(), arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(
            run.err.startsWith("usage: skerrydesk-cli import-adif FILE [--confirmed-by card,lotw,eqsl] "
                               "[--dry-run]"))
            << run.err.toStdString();
    }
}

// A log cut short in its last record changes nothing, though its first records are whole.
TEST(ImportAdifCli, ABadFileIsRefusedAndNothingIsWritten) {
    TestDataFolder folder;
    const IslandRecords before = readIslandRecords(folder);
    const QString log = writeFile(QDir(folder.path()).filePath(QStringLiteral("cut.adi")),
                                  "<EOH><CALL:4>G4AB<IOTA:6>EU-005<EOR><CALL:4>G4AC<IOTA:6>EU-0");
    const CliRun run = cli(folder.path(), {"import-adif", log});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "skerrydesk-cli: Cannot read " + QDir::toNativeSeparators(log) +
                           ": record 2: the field IOTA is to hold 6 characters, but the file ends 4 characters after "
                           "its tag; the file may be cut short\n");
    EXPECT_EQ(recordDifferences(before, readIslandRecords(folder)), QStringList());
}

}  // namespace
