// Kills skerrydesk-cli (SIGKILL) at random moments of a backup or a restore on a data folder of
// the delivered size: the folder must always open, pass SQLite's integrity check and hold the
// tables either as before or as after.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <random>

#include "backup/backup_check.h"
#include "backup/backups.h"
#include "register/store/database.h"
#include "support/cli_run.h"
#include "support/files.h"
#include "support/spoilt_database.h"
#include "support/table_rows.h"

namespace {

constexpr int kKills = 100;

class KilledFolder {
public:
    KilledFolder() {
        const CliRun init = cli(m_dir.path(), {"init"});
        EXPECT_EQ(init.exitCode, 0) << init.err.toStdString();
    }
    QString path() const { return m_dir.path(); }
    QString dataFolder() const { return QDir(m_dir.path()).filePath("Data"); }
    QString liveFile() const { return QDir(dataFolder()).filePath(store::Database::kFileName); }

    // The tables as the CLI or the program finds them: opening recovers what a kill left.
    TableRows openedRows() const {
        store::Database(dataFolder()).handle();
        backup::checkBackup(liveFile());
        return readTableRows(liveFile());
    }
    // The same change each time, so that it leads from either state to the same second one.
    void changeTables() const {
        store::Database db(dataFolder());
        db.execute(
            "UPDATE \"IOTA-EU\" SET Status = 'A', Call = 'G3ABC'; UPDATE \"Owner\" SET Value = 'K1ABC' "
            "WHERE Name = 'Callsign'");
    }
    // Only the first backup stays, so that the folder does not fill up.
    void removeBackupsBut(const QString& keptId) const {
        for (const backup::Backup& backup : backup::listBackups(dataFolder()))
            if (backup.name.id() != keptId) QFile::remove(backup.fileName);
    }

    // Runs the CLI and kills it after `delayMs`; the time it ran.
    qint64 runKilled(const QStringList& arguments, int delayMs) const {
        QProcess process;
        process.setWorkingDirectory(path());
        QElapsedTimer timer;
        timer.start();
        process.start(SKERRY_CLI, arguments);
        process.waitForStarted();
        if (delayMs >= 0) {
            QThread::msleep(delayMs);
            process.kill();
        }
        process.waitForFinished();
        return timer.elapsed();
    }

private:
    QTemporaryDir m_dir;
};

TEST(KillDuringBackup, AKilledBackupOrRestoreLeavesTheFolderWholeAsBeforeOrAsAfter) {
    KilledFolder folder;
    folder.runKilled({"backup"}, -1);
    const std::vector<backup::Backup> first = backup::listBackups(folder.dataFolder());
    ASSERT_EQ(first.size(), 1u);
    const QString restoredId = first.front().name.id();
    const TableRows restored = folder.openedRows();
    folder.changeTables();
    const TableRows changed = folder.openedRows();
    ASSERT_NE(restored, changed);
    // The kills fall anywhere from the start of the process to a little after its end.
    const int wholeRunMs = int(folder.runKilled({"restore", restoredId}, -1));

    std::mt19937 random(2026);
    int endedBefore = 0;
    int endedAfter = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        const bool restoring = kill % 2 == 0;
        folder.changeTables();
        folder.removeBackupsBut(restoredId);
        const int delayMs = int(random() % unsigned(wholeRunMs + wholeRunMs / 5 + 1));
        folder.runKilled(restoring ? QStringList{"restore", restoredId} : QStringList{"backup"}, delayMs);

        const TableRows found = folder.openedRows();
        const TableRows& after = restoring ? restored : changed;
        ASSERT_TRUE(found == changed || found == after) << "kill " << kill << " after " << delayMs << " ms";
        (found == after && restoring ? endedAfter : endedBefore) += 1;
        for (const backup::Backup& backup : backup::listBackups(folder.dataFolder())) {
            if (backup.name.id() == restoredId) continue;
            backup::checkBackup(backup.fileName);
            EXPECT_TRUE(readTableRows(backup.fileName) == changed)
                << "kill " << kill << ": " << backup.name.id().toStdString();
        }
    }
    EXPECT_GT(endedAfter, 0) << "no restore finished before its kill";
    EXPECT_GT(endedBefore, kKills / 2) << "no kill came before a restore was done";
}

// The spoilt database and the files a restore set aside, by their bytes: whatever a kill
// interrupts, the spoilt bytes stay on the disk under one of these names.
QList<QByteArray> keptSpoiltBytes(const QString& dataFolder) {
    QList<QByteArray> kept;
    const QStringList names = QStringList{"skerrydesk.db"} + movedAsideFiles(dataFolder);
    for (const QString& name : names) {
        QFile file(QDir(dataFolder).filePath(name));
        if (file.open(QIODevice::ReadOnly)) kept << file.readAll();
    }
    return kept;
}

// A restore over a lost database killed at any moment never loses the spoilt file, and run again
// it puts the backup in place.
TEST(KillDuringBackup, ARestoreOverALostDatabaseKilledAtAnyMomentCanBeRunAgain) {
    constexpr int kRestoreKills = 30;
    KilledFolder folder;
    folder.runKilled({"backup"}, -1);
    const QString id = backup::listBackups(folder.dataFolder()).front().name.id();
    const TableRows backedUp = folder.openedRows();
    spoiltDatabases().front().spoil(folder.liveFile());
    const QByteArray spoilt = keptSpoiltBytes(folder.dataFolder()).value(0);
    const int wholeRunMs = int(folder.runKilled({"restore", id}, -1));

    std::mt19937 random(2027);
    for (int kill = 0; kill < kRestoreKills; ++kill) {
        for (const QString& aside : movedAsideFiles(folder.dataFolder()))
            QFile::remove(QDir(folder.dataFolder()).filePath(aside));
        writeFile(folder.liveFile(), spoilt);
        const int delayMs = int(random() % unsigned(wholeRunMs + 1));
        folder.runKilled({"restore", id}, delayMs);
        const std::string at = "kill " + std::to_string(kill) + " after " + std::to_string(delayMs) + " ms";
        EXPECT_EQ(keptSpoiltBytes(folder.dataFolder()).count(spoilt), 1) << at << ": the spoilt file is kept";
        const CliRun again = cli(folder.path(), {"restore", id});
        ASSERT_EQ(again.exitCode, 0) << at << ": " << again.err.toStdString();
        EXPECT_TRUE(folder.openedRows() == backedUp) << at;
    }
}

}  // namespace
