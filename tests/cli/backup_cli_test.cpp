#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "support/cli_run.h"
#include "support/data_folder.h"
#include "support/files.h"
#include "support/island_records.h"
#include "support/spoilt_database.h"
#include "support/table_rows.h"

namespace {

QString liveFile(const TestDataFolder& folder) {
    return QDir(folder.dataFolder()).filePath("skerrydesk.db");
}

// The lines of `skerrydesk-cli backups`, each split at its tabs.
QList<QStringList> listedBackups(const TestDataFolder& folder) {
    const CliRun listed = cli(folder.path(), {"backups"});
    EXPECT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    QList<QStringList> lines;
    for (const QString& line : listed.out.split(u'\n', Qt::SkipEmptyParts)) lines << line.split(u'\t');
    return lines;
}

TEST(BackupCli, ABatchSubcommandBacksUpFirstAndRestoringThatBackupGivesTheTablesBack) {
    TestDataFolder folder;
    const TableRows before = readTableRows(liveFile(folder));
    const QString memberFile = fixtureFile("member/island-rules", "member.mbr");
    ASSERT_EQ(cli(folder.path(), {"import-member", memberFile}).exitCode, 0);
    ASSERT_EQ(cli(folder.path(), {"import-member", "--no-backup", memberFile}).exitCode, 0);

    const QList<QStringList> listed = listedBackups(folder);
    ASSERT_EQ(listed.size(), 1) << "--no-backup makes none";
    ASSERT_EQ(listed[0].size(), 4);
    const QString id = listed[0][0];
    EXPECT_EQ(listed[0][2], "import-member");
    EXPECT_EQ(id.left(10), listed[0][1].left(10));
    EXPECT_EQ(listed[0][3].toLongLong(), QFileInfo(folder.dataFolder() + "/Backups/" + id + ".db").size());
    ASSERT_FALSE(readTableRows(liveFile(folder)) == before);

    const CliRun restored = cli(folder.path(), {"restore", id});
    ASSERT_EQ(restored.exitCode, 0) << restored.err.toStdString();
    EXPECT_TRUE(readTableRows(liveFile(folder)) == before);
    ASSERT_EQ(cli(folder.path(), {"backup"}).exitCode, 0);
    QStringList commands;
    for (const QStringList& line : listedBackups(folder)) commands << line.value(2);
    EXPECT_EQ(commands, (QStringList{"backup", "restore", "import-member"}));

    const CliRun unknown = cli(folder.path(), {"restore", "2026-01-01T00-00-00 nothing"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(unknown.err.contains("skerrydesk-cli backups")) << unknown.err.toStdString();
}

TEST(BackupCli, ABackupThatCannotBeWrittenStopsEveryBatchSubcommandBeforeItChangesAnything) {
    TestDataFolder folder;
    writeRecordValues(folder, readRecordValues(fixtureFile("upf_status_decisions", "start.txt")));
    const QString notAFolder = writeFile(folder.dataFolder() + "/Backups", QByteArray());
    const QStringList commands[] = {
        {"import-member", fixtureFile("member/island-rules", "member.mbr")},
        {"import-upf", fixtureFile("upf_status_decisions", "input.upf"), "--mode", "claim"},
        {"import-csv", fixtureFile("csv_statuses", "input.csv")},
        {"update", fixtureFile("update_island_rules", "update.txt")},
        {"import-adif", fixtureFile("adif_rules", "input.adi")},
        {"import-list", fixtureFile("iota_json_groups", "list.json")},
    };
    for (const QStringList& command : commands) {
        const TableRows before = readTableRows(liveFile(folder));
        const CliRun run = cli(folder.path(), command);
        EXPECT_EQ(run.exitCode, 1) << command[0].toStdString();
        EXPECT_TRUE(run.err.contains(QDir::toNativeSeparators(notAFolder)))
            << command[0].toStdString() << ": " << run.err.toStdString();
        EXPECT_TRUE(readTableRows(liveFile(folder)) == before) << command[0].toStdString();
        EXPECT_EQ(cli(folder.path(), command + QStringList{"--no-backup"}).exitCode, 0) << command[0].toStdString();
        EXPECT_FALSE(readTableRows(liveFile(folder)) == before) << command[0].toStdString() << " changes something";
    }
}

// Restore is needed most when the database itself is lost: every command refuses the folder,
// naming the way back, and restore puts the backup in place of the spoilt file, which it keeps.
TEST(BackupCli, RestorePutsABackupInPlaceOfAZeroedARandomAnEmptyOrAMissingDatabase) {
    for (const SpoiltDatabase& spoilt : spoiltDatabases()) {
        TestDataFolder folder;
        ASSERT_EQ(cli(folder.path(), {"import-member", fixtureFile("member/island-rules", "member.mbr")}).exitCode, 0);
        const QString id = listedBackups(folder).value(0).value(0);
        ASSERT_FALSE(id.isEmpty());
        const TableRows backedUp = readTableRows(folder.dataFolder() + "/Backups/" + id + ".db");
        spoilt.spoil(liveFile(folder));
        QFile spoiltFile(liveFile(folder));
        const QByteArray spoiltBytes = spoiltFile.open(QIODevice::ReadOnly) ? spoiltFile.readAll() : QByteArray();
        spoiltFile.close();

        const CliRun refused = cli(folder.path(), {"summary"});
        EXPECT_EQ(refused.exitCode, 1) << spoilt.name;
        EXPECT_TRUE(refused.err.contains(spoilt.refusal)) << spoilt.name << ": " << refused.err.toStdString();
        for (const char* way : {"\"skerrydesk-cli backups\"", "\"skerrydesk-cli restore ID\"", "\"8 More > Backups\""})
            EXPECT_TRUE(refused.err.contains(way)) << spoilt.name << ": " << refused.err.toStdString();

        const CliRun restored = cli(folder.path(), {"restore", id});
        ASSERT_EQ(restored.exitCode, 0) << spoilt.name << ": " << restored.err.toStdString();
        EXPECT_TRUE(readTableRows(liveFile(folder)) == backedUp) << spoilt.name;
        EXPECT_EQ(cli(folder.path(), {"summary"}).exitCode, 0) << spoilt.name;
        const QStringList aside = movedAsideFiles(folder.dataFolder());
        if (spoilt.missing) {
            EXPECT_EQ(aside, QStringList()) << "nothing to keep";
            EXPECT_EQ(restored.out, "Restored " + id + "\n");
            continue;
        }
        ASSERT_EQ(aside.size(), 1) << spoilt.name;
        QFile kept(QDir(folder.dataFolder()).filePath(aside[0]));
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly)) << spoilt.name;
        EXPECT_TRUE(kept.readAll() == spoiltBytes) << spoilt.name << ": the spoilt file is kept as it was";
        EXPECT_EQ(restored.out, "Restored " + id + "; the damaged database was moved aside as " +
                                    QDir::toNativeSeparators(kept.fileName()) + "\n")
            << spoilt.name;
    }
}

// A backup that is no whole backup is refused before the spoilt database is touched.
TEST(BackupCli, RestoreRefusesADamagedBackupOverADamagedDatabaseChangingNothing) {
    TestDataFolder folder;
    ASSERT_EQ(cli(folder.path(), {"backup"}).exitCode, 0);
    const QString id = listedBackups(folder).value(0).value(0);
    QFile::resize(folder.dataFolder() + "/Backups/" + id + ".db", 4096);
    spoiltDatabases().front().spoil(liveFile(folder));
    const qint64 spoiltSize = QFileInfo(liveFile(folder)).size();
    const CliRun refused = cli(folder.path(), {"restore", id});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("is damaged")) << refused.err.toStdString();
    EXPECT_EQ(movedAsideFiles(folder.dataFolder()), QStringList());
    EXPECT_EQ(QFileInfo(liveFile(folder)).size(), spoiltSize);
}

// A batch subcommand whose table lost a field fails part-way: the records before the failure
// stay written, and the message says so and names the backup that gives the state before.
struct PartWayFailure {
    QStringList command;
    const char* table;
    const char* field;
    const char* startCase;  // the records' start, where the log needs one
};

// The folder of a part-way failure: the records' start, then the table without its field.
void prepareFailure(TestDataFolder& folder, const PartWayFailure& failure) {
    if (failure.startCase) writeRecordValues(folder, readRecordValues(fixtureFile(failure.startCase, "start.txt")));
    folder.removeField(failure.table, failure.field);
}

TEST(BackupCli, ABatchFailingPartWaySaysWhatIsWrittenAndNamesTheBackupBeforeIt) {
    const PartWayFailure failures[] = {
        {{"import-member", fixtureFile("member/island-rules", "member.mbr")}, "IOTA-SA", "Call", nullptr},
        {{"update", fixtureFile("update_island_rules", "update.txt")}, "IOTA-SA", "Island", nullptr},
        {{"import-adif", fixtureFile("adif_rules", "input.adi")}, "IOTA-EU", "Call", "adif_rules"},
    };
    for (const PartWayFailure& failure : failures) {
        const std::string what = failure.command[0].toStdString();
        TestDataFolder folder;
        prepareFailure(folder, failure);
        const IslandRecords before = readIslandRecords(folder);
        const TableRows rowsBefore = readTableRows(liveFile(folder));
        const CliRun run = cli(folder.path(), failure.command);
        EXPECT_EQ(run.exitCode, 1) << what;
        const QString id = listedBackups(folder).value(0).value(0);
        EXPECT_EQ(run.err,
                  QStringLiteral("skerrydesk-cli: Table \"%1\" has no field \"%2\"; the records before the "
                                 "failure are written; the backup made just before the command (%3) holds "
                                 "the state before it: `skerrydesk-cli restore \"%3\"` or \"8 More > Backups\"\n")
                      .arg(failure.table, failure.field, id))
            << what;
        EXPECT_NE(readIslandRecords(folder), before) << what << ": the records before the failure are written";
        EXPECT_TRUE(readTableRows(folder.dataFolder() + "/Backups/" + id + ".db") == rowsBefore)
            << what << ": the backup named holds the state before";

        TestDataFolder unsaved;
        prepareFailure(unsaved, failure);
        const CliRun withoutBackup = cli(unsaved.path(), failure.command + QStringList{"--no-backup"});
        EXPECT_TRUE(
            withoutBackup.err.endsWith("; the records before the failure are written; no backup was made just "
                                       "before the command (--no-backup)\n"))
            << what << ": " << withoutBackup.err.toStdString();
    }
}

}  // namespace
