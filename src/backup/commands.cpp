#include "backup/commands.h"

#include "backup/backups.h"
#include "backup/backups_dialog.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "window/command_window.h"
#include "window/dialogs.h"

namespace {

std::vector<BackupRow> backupRows(store::Database& db) {
    const std::vector<backup::Backup> backups = backup::listBackups(db.path());
    const std::vector<QString> changes = backup::changesSinceBackups(db, backups);
    std::vector<BackupRow> rows;
    for (size_t i = 0; i < backups.size(); ++i)
        rows.push_back({backups[i].name.id(), backups[i].name.time.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")),
                        backups[i].name.command, changes[i]});
    return rows;
}

}  // namespace

void BackupCommands::showBackups() {
    CommandWindow& window = m_window;
    TBackupsDialog dialog(backupRows(window.database()), window.dialogParent());
    if (window.dialogs().exec(dialog) != QDialog::Accepted) return;
    const std::optional<QString> id = dialog.chosenId();
    if (!id) return;
    const QString question = QStringLiteral(
                                 "Restore the backup \"%1\"? The tables as they are now are backed up "
                                 "first.")
                                 .arg(*id);
    if (window.dialogs().message(QStringLiteral("Restore"), question, QMessageBox::Question,
                                 QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    window.LockMainWindow();
    window.table().Close();
    window.unbindRecordPanels();
    backup::restore(window.database(), *id, window.clock());
    window.UnlockMainWindow();
    window.startOnRestoredTables();
}
