// Two commands started together on one data folder: the first takes it, the second waits a
// moment for it instead of being refused at once.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <QDir>
#include <QProcess>
#include <QTimer>

#include "support/cli_run.h"
#include "support/data_folder.h"
#include "support/island_records.h"

namespace {

constexpr int kPairs = 200;

struct Started {
    int exitCode;
    QString err;
};

// Starts both commands at once and waits for both.
std::pair<Started, Started> runTogether(const QString& folder, const QStringList& first, const QStringList& second) {
    QProcess processes[2];
    const QStringList* arguments[2] = {&first, &second};
    for (int i = 0; i < 2; ++i) {
        processes[i].setWorkingDirectory(folder);
        processes[i].start(SKERRY_CLI, *arguments[i]);
    }
    Started results[2];
    for (int i = 0; i < 2; ++i) {
        processes[i].waitForFinished(60000);
        results[i] = {processes[i].exitStatus() == QProcess::NormalExit ? processes[i].exitCode() : -1,
                      QString::fromUtf8(processes[i].readAllStandardError())};
    }
    return {results[0], results[1]};
}

// Each command of a pair holds the folder for a few milliseconds: the other one waits and runs.
TEST(ConcurrentCli, TwoCommandsStartedTogetherBothRun) {
    TestDataFolder folder;
    const QString member = fixtureFile("member/island-rules", "member.mbr");
    const QStringList kinds[] = {
        {"summary"},
        {"backup"},
        {"import-member", member, "--no-backup"},
        {"want-list"},
    };
    int bothRan = 0;
    for (int pair = 0; pair < kPairs; ++pair) {
        const QStringList& first = kinds[pair % std::size(kinds)];
        const QStringList& second = kinds[(pair / std::size(kinds)) % std::size(kinds)];
        const auto [one, other] = runTogether(folder.path(), first, second);
        const std::string what = "pair " + std::to_string(pair) + ": " + first.join(' ').toStdString() + " and " +
                                 second.join(' ').toStdString();
        EXPECT_TRUE(one.exitCode == 0 || other.exitCode == 0) << what << ": neither ran";
        EXPECT_EQ(one.exitCode, 0) << what << ": " << one.err.toStdString();
        EXPECT_EQ(other.exitCode, 0) << what << ": " << other.err.toStdString();
        if (one.exitCode == 0 && other.exitCode == 0) ++bothRan;
    }
    EXPECT_EQ(bothRan, kPairs);
}

// A reader of another program that holds the folder for a moment is waited for; one that keeps
// it is named in the refusal once the wait is over.
TEST(ConcurrentCli, ACommandWaitsForAShortHoldAndIsRefusedByALongOne) {
    TestDataFolder folder;
    const QByteArray file = QFile::encodeName(folder.dataFolder() + "/skerrydesk.db");
    sqlite3* reader = nullptr;
    ASSERT_EQ(sqlite3_open(file.constData(), &reader), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(reader, "SELECT count(*) FROM \"Owner\"", nullptr, nullptr, nullptr), SQLITE_OK);
    QTimer::singleShot(300, [&] { sqlite3_close(std::exchange(reader, nullptr)); });
    const CliRun waited = cli(folder.path(), {"summary"});
    EXPECT_EQ(waited.exitCode, 0) << waited.err.toStdString();
    ASSERT_EQ(reader, nullptr) << "the command ended before the reader let go";

    ASSERT_EQ(sqlite3_open(file.constData(), &reader), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(reader, "SELECT count(*) FROM \"Owner\"", nullptr, nullptr, nullptr), SQLITE_OK);
    const CliRun refused = cli(folder.path(), {"summary"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "skerrydesk-cli: The data folder " + QDir::toNativeSeparators(folder.dataFolder()) +
                               " is in use by another Skerrydesk program or skerrydesk-cli; close it and try again\n");
    sqlite3_close(reader);
}

}  // namespace
