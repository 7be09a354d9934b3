#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "support/cli_run.h"
#include "support/data_folder.h"
#include "support/island_records.h"
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
    QFile notAFolder(folder.dataFolder() + "/Backups");
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    notAFolder.close();
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
        EXPECT_TRUE(run.err.contains(QDir::toNativeSeparators(notAFolder.fileName())))
            << command[0].toStdString() << ": " << run.err.toStdString();
        EXPECT_TRUE(readTableRows(liveFile(folder)) == before) << command[0].toStdString();
        EXPECT_EQ(cli(folder.path(), command + QStringList{"--no-backup"}).exitCode, 0) << command[0].toStdString();
        EXPECT_FALSE(readTableRows(liveFile(folder)) == before) << command[0].toStdString() << " changes something";
    }
}

}  // namespace
