#include "backup/edit_mode_backup.h"

#include <sqlite3.h>

#include <utility>

#include "backup/backups.h"
#include "register/store/database.h"

namespace backup {

void EditModeBackup::follow(bool editing, store::Database& db, const Clock& clock) {
    if (editing) {
        m_writtenAtStart = sqlite3_total_changes64(db.handle());
        return;
    }
    const std::optional<long long> writtenAtStart = std::exchange(m_writtenAtStart, std::nullopt);
    if (writtenAtStart && db.isConnected() && sqlite3_total_changes64(db.handle()) != *writtenAtStart)
        beforeCommand(db, QStringLiteral("edit-mode"), clock);
}

}  // namespace backup
