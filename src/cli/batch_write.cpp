#include "cli/batch_write.h"

BatchWrite::BatchWrite(const Arguments& arguments, const char* command)
    : m_command(command), m_backedUp(!arguments.has(kNoBackup.name)), m_dryRun(arguments.has(kDryRun.name)) {}

std::optional<backup::Backup> BatchWrite::before(store::Database& db) const {
    if (!m_backedUp) return std::nullopt;
    return backup::beforeCommand(db, QLatin1String(m_command));
}
