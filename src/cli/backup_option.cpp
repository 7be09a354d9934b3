#include "cli/backup_option.h"

#include "backup/backups.h"

BackupOption::BackupOption(QStringList& arguments)
    : m_skipped(arguments.removeAll(QStringLiteral("--no-backup")) > 0) {}

void BackupOption::before(store::Database& db, const char* command) const {
    if (!m_skipped) backup::beforeCommand(db, QLatin1String(command));
}
