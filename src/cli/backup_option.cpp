#include "cli/backup_option.h"

BackupOption::BackupOption(QStringList& arguments)
    : m_skipped(arguments.removeAll(QStringLiteral("--no-backup")) > 0) {}

std::optional<backup::Backup> BackupOption::before(store::Database& db, const char* command) const {
    if (m_skipped) return std::nullopt;
    return backup::beforeCommand(db, QLatin1String(command));
}
