#pragma once

#include <QDateTime>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

#include "backup/backup_names.h"
#include "base/clock.h"
#include "base/failure.h"
#include "register/store/database.h"

// Backups of the tables in Data/Backups: one before every batch command, so that nothing a
// command does is beyond recall.
namespace backup {

inline constexpr const char* kFolderName = "Backups";
// Pruning keeps the newest backups and every backup of the last days.
inline constexpr int kKeptNewest = 30;
inline constexpr int kKeptDays = 7;

// One backup on file.
struct Backup {
    BackupName name;
    QString fileName;
    qint64 size = 0;
};

// The folder of a data folder's backups, Data/Backups.
QString backupFolder(const QString& dataFolder);

// The backups of a data folder, newest first.
std::vector<Backup> listBackups(const QString& dataFolder);

// The backups that pruning removes from `backups` (newest first): every one beyond the newest
// kKeptNewest that is older than kKeptDays days at `now`.
std::vector<Backup> prunable(const std::vector<Backup>& backups, const QDateTime& now);

// The one call before a batch command changes anything: a consistent copy of the open tables
// into Data/Backups, named by the clock's time and the command ("import-member"), then the
// pruning. A backup that cannot be written fails naming the folder and the reason, and the
// command must not go on.
Backup beforeCommand(store::Database& db, const QString& command, const Clock& clock = SystemClock());

// What a restore did.
struct Restored {
    Backup chosen;
    // The backup of the tables as they were, made first; none when the database was lost.
    std::optional<Backup> before;
    // Where a spoilt database was moved aside; empty when it was sound or missing.
    QString movedAside;
};

// The message of a failure that ended a batch command after it had written records, which stay
// written: it says so and names the backup `made` just before the command (none with
// --no-backup), which holds the state before it, and the ways to restore it.
QString keptRecordsMessage(const QString& failure, const std::optional<Backup>& made);

// Runs the writing of a batch command after its backup `made`. A failure that ends it after
// records were written says so, as keptRecordsMessage tells it; any other failure is passed on
// as it is.
template <typename Write>
auto writeAfterBackup(store::Database& db, const std::optional<Backup>& made, Write&& write) {
    try {
        return write();
    } catch (const Failure& failure) {
        if (!db.failedBatchKeptRecords()) throw;
        throw Failure(keptRecordsMessage(failure.message(), made));
    }
}

// The backup before a batch command of the window, then its writing, as writeAfterBackup runs it.
template <typename Write>
auto runAfterBackup(store::Database& db, const QString& command, const Clock& clock, Write&& write) {
    return writeAfterBackup(db, beforeCommand(db, command, clock), std::forward<Write>(write));
}

// Puts the backup `id` (as listBackups names it) in place of the tables: the backup is checked
// first (a damaged one is refused, nothing changed). A sound database is backed up as "restore",
// then the backup is copied into it. One that is missing, empty, no database or damaged, which no
// command can open, is replaced by a copy of the backup and kept aside (see replaceDatabase).
Restored restore(store::Database& db, const QString& id, const Clock& clock = SystemClock());

// What changed in the current tables since each backup, records per status ("A 12 → 15"), in the
// order of the backups; the reason where a backup or the tables cannot be read.
std::vector<QString> changesSinceBackups(store::Database& db, const std::vector<Backup>& backups);

}  // namespace backup
