#include "backup/backups.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "backup/backup_check.h"
#include "backup/backup_copy.h"
#include "backup/changes_since.h"
#include "backup/database_replacement.h"
#include "backup/sqlite_file.h"
#include "base/failure.h"
#include "register/store/database.h"

namespace backup {

namespace {

// The name of a new backup: the time to the second, numbered after every backup of that second
// so that it stays the newest.
BackupName freeName(const QString& dataFolder, const QDateTime& now, const QString& command) {
    BackupName name{now.addMSecs(-now.time().msec()), 1, commandInFileName(command)};
    for (const Backup& backup : listBackups(dataFolder))
        if (backup.name.time == name.time) name.sequence = std::max(name.sequence, backup.name.sequence + 1);
    return name;
}

Backup writeBackup(store::Database& db, const QString& command, const Clock& clock) {
    const BackupName name = freeName(db.path(), clock.now(), command);
    const QString fileName = QDir(backupFolder(db.path())).filePath(name.fileName());
    copyToFile(db.handle(), fileName);
    return {name, fileName, QFileInfo(fileName).size()};
}

// Only this program writes backups while it holds the data folder: a half-written copy left
// by a kill is removed with the old backups.
void prune(const QString& dataFolder, const QDateTime& now) {
    for (const Backup& old : prunable(listBackups(dataFolder), now)) QFile::remove(old.fileName);
    QDir folder(backupFolder(dataFolder));
    for (const QString& partial : folder.entryList({QStringLiteral("*.part"), QStringLiteral("*.part-*")}, QDir::Files))
        folder.remove(partial);
}

const Backup& backupWithId(const std::vector<Backup>& backups, const QString& id, const QString& dataFolder) {
    const auto found =
        std::find_if(backups.begin(), backups.end(), [&](const Backup& backup) { return backup.name.id() == id; });
    if (found == backups.end())
        throw Failure(QStringLiteral("There is no backup \"%1\" in %2; \"skerrydesk-cli backups\" lists them")
                          .arg(id, QDir::toNativeSeparators(backupFolder(dataFolder))));
    return *found;
}

}  // namespace

QString backupFolder(const QString& dataFolder) {
    return QDir(dataFolder).filePath(QLatin1String(kFolderName));
}

std::vector<Backup> listBackups(const QString& dataFolder) {
    std::vector<Backup> backups;
    const QDir folder(backupFolder(dataFolder));
    for (const QFileInfo& file : folder.entryInfoList({QStringLiteral("*.db")}, QDir::Files))
        if (const std::optional<BackupName> name = parseBackupFileName(file.fileName()))
            backups.push_back({*name, file.filePath(), file.size()});
    std::sort(backups.begin(), backups.end(),
              [](const Backup& a, const Backup& b) { return a.name.newerThan(b.name); });
    return backups;
}

std::vector<Backup> prunable(const std::vector<Backup>& backups, const QDateTime& now) {
    const QDateTime keptFrom = now.addDays(-kKeptDays);
    std::vector<Backup> removed;
    for (size_t i = kKeptNewest; i < backups.size(); ++i)
        if (backups[i].name.time < keptFrom) removed.push_back(backups[i]);
    return removed;
}

Backup beforeCommand(store::Database& db, const QString& command, const Clock& clock) {
    const Backup backup = writeBackup(db, command, clock);
    prune(db.path(), clock.now());
    return backup;
}

QString keptRecordsMessage(const QString& failure, const std::optional<Backup>& made) {
    const QString kept = failure + QStringLiteral("; the records before the failure are written; ");
    if (!made) return kept + QStringLiteral("no backup was made just before the command (--no-backup)");
    const QString id = made->name.id();
    return kept + QStringLiteral(
                      "the backup made just before the command (%1) holds the state before it: "
                      "`skerrydesk-cli restore \"%1\"` or \"8 More > Backups\"")
                      .arg(id);
}

Restored restore(store::Database& db, const QString& id, const Clock& clock) {
    Restored restored{backupWithId(listBackups(db.path()), id, db.path()), std::nullopt, QString()};
    checkBackup(restored.chosen.fileName);
    // Pruned only afterwards: the new backup may push the chosen one out of those kept.
    if (databaseIsSound(db)) {
        restored.before = writeBackup(db, QStringLiteral("restore"), clock);
        copyIntoDatabase(restored.chosen.fileName, db.handle());
        // A backup made before the tables beside the nine were added lacks them.
        db.addMissingTables();
    } else {
        restored.movedAside = replaceDatabase(db, restored.chosen.fileName, clock);
    }
    prune(db.path(), clock.now());
    return restored;
}

std::vector<QString> changesSinceBackups(store::Database& db, const std::vector<Backup>& backups) {
    // The tables are counted once: a folder that cannot be opened is not tried again per backup.
    std::optional<StatusCounts> now;
    try {
        now = statusCounts(db.handle());
    } catch (const Failure&) {
        // Each backup says so below.
    }
    std::vector<QString> changes;
    for (const Backup& backup : backups) {
        try {
            const SqliteFile file(backup.fileName, SqliteFile::Mode::ReadOnly);
            const StatusCounts then = statusCounts(file.handle());
            changes.push_back(now ? changesSince(then, *now) : QStringLiteral("the tables cannot be read"));
        } catch (const Failure& failure) {
            changes.push_back(failure.message());
        }
    }
    return changes;
}

}  // namespace backup
