// Every subcommand that reads the island tables, on a folder whose table lacks one of its
// fields: it may do without the field, or fail with the one line that names it, never crash.
#include <gtest/gtest.h>

#include <QDir>

#include "support/cli_run.h"
#include "support/data_folder.h"
#include "support/island_records.h"

namespace {

const QStringList kIslandFields = {"Key", "ABW", "IOTA", "Prefix", "Island", "Call", "Status", "Comment"};

std::vector<QStringList> tableReaders(const QString& exportFile) {
    return {
        {"import-member", fixtureFile("member/island-rules", "member.mbr"), "--no-backup"},
        {"import-upf", fixtureFile("upf_status_decisions", "input.upf"), "--mode", "claim", "--no-backup"},
        {"import-csv", fixtureFile("csv_statuses", "input.csv"), "--no-backup"},
        {"import-adif", fixtureFile("adif_rules", "input.adi"), "--dry-run"},
        {"import-adif", fixtureFile("adif_rules", "input.adi"), "--no-backup"},
        {"update", fixtureFile("update_island_rules", "update.txt"), "--no-backup"},
        {"import-list", fixtureFile("iota_json_groups", "list.json"), "--dry-run"},
        {"import-list", fixtureFile("iota_json_groups", "list.json"), "--no-backup"},
        {"export", exportFile},
        {"summary"},
        {"summary", "--groups"},
        {"print-summary"},
        {"want-list"},
        {"want-list", "--worked"},
        {"want-list", "--by-rarity"},
        {"island-list", "eu", "approved-claimed-worked"},
    };
}

TEST(DamagedTableCli, AMissingIslandFieldFailsWithOneLineNamingItInEveryReader) {
    for (const QString& field : kIslandFields) {
        TestDataFolder folder;
        // The rarity comes first, so that the want list by rarity reads the table.
        ASSERT_EQ(cli(folder.path(), {"import-list", fixtureFile("iota_json_groups", "list.json")}).exitCode, 0);
        folder.removeField("IOTA-EU", field);
        for (const QStringList& command : tableReaders(QDir(folder.path()).filePath("out.upd"))) {
            const CliRun run = cli(folder.path(), command);
            const std::string what = (field + ": " + command.join(' ')).toStdString();
            EXPECT_FALSE(run.crashed) << what << " crashed";
            if (run.crashed || run.exitCode == 0) continue;
            EXPECT_EQ(run.exitCode, 1) << what;
            EXPECT_EQ(run.err.count(u'\n'), 1) << what << ": " << run.err.toStdString();
            EXPECT_TRUE(run.err.startsWith("skerrydesk-cli: ")) << what << ": " << run.err.toStdString();
            EXPECT_TRUE(run.err.contains(u'"' + field + u'"')) << what << ": " << run.err.toStdString();
        }
    }
}

}  // namespace
