#include "backup/backups.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <functional>

#include "backup/backup_check.h"
#include "backup/sqlite_file.h"
#include "base/failure.h"
#include "exchange/member_import.h"
#include "register/start_state.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "support/data_folder.h"
#include "support/failing_vfs.h"
#include "support/files.h"
#include "support/island_records.h"
#include "support/table_rows.h"

namespace {

const QDateTime kNow(QDate(2026, 12, 9), QTime(14, 7, 9));

// A clock the test moves.
class SteppingClock : public Clock {
public:
    QDateTime now() const override { return moment; }
    QDateTime moment = kNow;
};

class Backups : public ::testing::Test {
protected:
    QString liveFile() const { return QDir(folder.dataFolder()).filePath(store::Database::kFileName); }
    QStringList backupFiles() const {
        return QDir(backup::backupFolder(folder.dataFolder())).entryList(QDir::Files, QDir::Name);
    }
    QString onlyBackupId() {
        const std::vector<backup::Backup> backups = backup::listBackups(folder.dataFolder());
        EXPECT_EQ(backups.size(), 1u);
        return backups.empty() ? QString() : backups.front().name.id();
    }

    TestDataFolder folder;
    SteppingClock clock;
};

TEST_F(Backups, RestoringTheBackupOfAMemberImportGivesBackEveryRowOfEveryTable) {
    folder.execute("UPDATE \"IOTA-EU\" SET Status = 'C', Call = 'G3ABC' WHERE Key = 5");
    // A table of a later version is kept as well.
    folder.execute("CREATE TABLE Rarity (IOTA TEXT, Rank INTEGER); INSERT INTO Rarity VALUES ('EU-005', 7)");
    const TableRows before = readTableRows(liveFile());
    {
        store::Database db(folder.dataFolder());
        store::Table table(db);
        const StartCounts counts = readStartState(table).counts;
        backup::beforeCommand(db, "import-member", clock);
        importMemberFile(db, table, fixtureFile("member/island-rules", "member.mbr"), counts);
    }
    ASSERT_FALSE(readTableRows(liveFile()) == before) << "the import changes nothing to restore";
    const QString id = onlyBackupId();
    EXPECT_EQ(id, "2026-12-09T14-07-09 import-member");
    {
        store::Database db(folder.dataFolder());
        clock.moment = kNow.addSecs(60);
        EXPECT_EQ(backup::restore(db, id, clock).before->name.id(), "2026-12-09T14-08-09 restore");
    }
    const TableRows after = readTableRows(liveFile());
    for (auto table = before.begin(); table != before.end(); ++table)
        EXPECT_EQ(after.value(table.key()), table.value()) << table.key().toStdString();
    EXPECT_EQ(after.keys(), before.keys());
}

TEST_F(Backups, BackupsOfOneSecondAreNumberedAndListedNewestFirstAndHalfCopiesGo) {
    store::Database db(folder.dataFolder());
    QDir().mkpath(backup::backupFolder(folder.dataFolder()));
    const QString stale = writeFile(
        QDir(backup::backupFolder(folder.dataFolder())).filePath("2026-12-01T10-00-00 update.db.part"), QByteArray());
    for (const char* command : {"update", "import-csv", "import-upf"}) backup::beforeCommand(db, command, clock);
    EXPECT_FALSE(QFile::exists(stale)) << "a copy left half-written by a kill is removed";
    QStringList ids;
    for (const backup::Backup& backup : backup::listBackups(folder.dataFolder())) ids << backup.name.id();
    EXPECT_EQ(ids, (QStringList{"2026-12-09T14-07-09.3 import-upf", "2026-12-09T14-07-09.2 import-csv",
                                "2026-12-09T14-07-09 update"}));
}

struct PruneCase {
    const char* name;
    int backups;
    int hoursApart;
    int kept;
};

// The newest 30 stay, and every one of the last 7 days (168 hours) beyond them.
TEST_F(Backups, PruningKeepsTheNewestThirtyAndEveryBackupOfTheLastSevenDays) {
    const PruneCase cases[] = {
        {"a few, days apart", 10, 24, 10},
        {"many within the week", 40, 4, 40},
        {"many, days apart", 40, 24, 30},
        {"beyond thirty, four of them within the week", 40, 5, 34},
        {"one beyond thirty, a day apart", 31, 24, 30},
    };
    for (const PruneCase& prune : cases) {
        std::vector<backup::Backup> backups;
        for (int i = 0; i < prune.backups; ++i)
            backups.push_back({{kNow.addSecs(-3600LL * prune.hoursApart * i), 1, "update"}, QString(), 0});
        const std::vector<backup::Backup> removed = backup::prunable(backups, kNow);
        EXPECT_EQ(prune.backups - int(removed.size()), prune.kept) << prune.name;
        for (const backup::Backup& old : removed) {
            EXPECT_LT(old.name.time, kNow.addDays(-backup::kKeptDays)) << prune.name;
            EXPECT_GE(std::find_if(backups.begin(), backups.end(),
                                   [&](const backup::Backup& b) { return b.name.time == old.name.time; }) -
                          backups.begin(),
                      backup::kKeptNewest)
                << prune.name;
        }
    }
}

struct Damage {
    const char* name;
    std::function<void(const QString& backupFile)> apply;
};

void overwriteFrom(const QString& fileName, qint64 offset, const QByteArray& bytes) {
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(offset);
    file.write(bytes);
}

TEST_F(Backups, ADamagedBackupIsRefusedAndNothingChanges) {
    const Damage damages[] = {
        {"junk", [](const QString& file) { overwriteFrom(file, 0, QByteArray(4096, 'x')); }},
        {"cut short", [](const QString& file) { QFile::resize(file, QFileInfo(file).size() / 2); }},
        {"a damaged page", [](const QString& file) { overwriteFrom(file, 4096, QByteArray(16, '\xff')); }},
        {"a table missing",
         [](const QString& file) {
             backup::SqliteFile(file, backup::SqliteFile::Mode::ReadWrite).execute("DROP TABLE Awards");
         }},
        {"a field missing",
         [](const QString& file) {
             backup::SqliteFile(file, backup::SqliteFile::Mode::ReadWrite)
                 .execute("ALTER TABLE \"IOTA-EU\" DROP COLUMN Comment");
         }},
    };
    for (const Damage& damage : damages) {
        TestDataFolder own;
        store::Database db(own.dataFolder());
        backup::beforeCommand(db, "update", clock);
        const backup::Backup made = backup::listBackups(own.dataFolder()).front();
        damage.apply(made.fileName);
        db.execute("UPDATE \"IOTA-AF\" SET Status = 'A'");
        db.close();
        const QString live = QDir(own.dataFolder()).filePath(store::Database::kFileName);
        const TableRows before = readTableRows(live);
        try {
            backup::restore(db, made.name.id(), clock);
            ADD_FAILURE() << damage.name << ": restored";
        } catch (const Failure& failure) {
            EXPECT_TRUE(failure.message().contains("is damaged"))
                << damage.name << ": " << failure.message().toStdString();
            EXPECT_TRUE(failure.message().contains(made.name.id())) << damage.name;
        }
        db.close();
        EXPECT_TRUE(readTableRows(live) == before) << damage.name;
        EXPECT_EQ(backup::listBackups(own.dataFolder()).size(), 1u) << damage.name << ": no backup of the state before";
    }
}

struct UnwritableFolder {
    const char* name;
    std::function<void(FailingDisk&, const QString& backupFolder)> apply;
    const char* reason;
};

TEST_F(Backups, ABackupThatCannotBeWrittenFailsNamingTheFolderAndTheReasonAndLeavesNoFile) {
    const UnwritableFolder cases[] = {
        {"full disk", [](FailingDisk& disk, const QString&) { disk.failAfter(0); }, "the disk is full"},
        {"write-protected", [](FailingDisk& disk, const QString&) { disk.setWriteProtected(true); }, "write-protected"},
        {"no folder but a file",
         [](FailingDisk&, const QString& backupFolder) { writeFile(backupFolder, QByteArray()); }, "Not a directory"},
    };
    for (const UnwritableFolder& unwritable : cases) {
        TestDataFolder own;
        FailingDisk disk;
        store::Database db(own.dataFolder());
        db.handle();
        const QString backupFolder = backup::backupFolder(own.dataFolder());
        unwritable.apply(disk, backupFolder);
        try {
            backup::beforeCommand(db, "import-member", clock);
            ADD_FAILURE() << unwritable.name << ": written";
        } catch (const Failure& failure) {
            EXPECT_TRUE(failure.message().contains(QDir::toNativeSeparators(backupFolder)))
                << unwritable.name << ": " << failure.message().toStdString();
            EXPECT_TRUE(failure.message().contains(unwritable.reason))
                << unwritable.name << ": " << failure.message().toStdString();
        }
        disk.heal();
        disk.setWriteProtected(false);
        EXPECT_TRUE(QDir(backupFolder).entryList(QDir::Files).isEmpty()) << unwritable.name;
    }
}

// Every file in the backup folder, made by the backups or left beside them.
QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

// A disk that fills up at any point of a backup: the backup is whole and stands alone, or it
// fails saying the disk is full and leaves nothing of itself behind (no copy, no log, no index).
TEST_F(Backups, ABackupOnADiskThatFillsUpIsWholeOrLeavesNothingAndSaysTheDiskIsFull) {
    constexpr int kFillPoints = 24;
    FailingDisk disk;
    const QString backupFolder = backup::backupFolder(folder.dataFolder());
    store::Database db(folder.dataFolder());
    db.handle();
    disk.takeWrittenBytes();
    backup::beforeCommand(db, "import-member", clock);
    const qint64 written = disk.takeWrittenBytes();
    QDir(backupFolder).removeRecursively();
    int failures = 0;
    for (qint64 room = 0; room <= written + written / kFillPoints; room += written / kFillPoints + 1) {
        const std::string at = "full after " + std::to_string(room) + " bytes";
        disk.failAfter(room);
        try {
            const backup::Backup made = backup::beforeCommand(db, "import-member", clock);
            disk.heal();
            EXPECT_EQ(filesIn(backupFolder), QStringList{made.name.fileName()}) << at;
            backup::checkBackup(made.fileName);
            QFile file(made.fileName);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(file.read(20).mid(18), QByteArray("\1\1")) << at << ": the backup keeps no log";
        } catch (const Failure& failure) {
            disk.heal();
            ++failures;
            EXPECT_TRUE(failure.message().contains("the disk is full"))
                << at << ": " << failure.message().toStdString();
            EXPECT_EQ(filesIn(backupFolder), QStringList()) << at;
        }
        QDir(backupFolder).removeRecursively();
    }
    EXPECT_GT(failures, kFillPoints / 2);
}

}  // namespace
