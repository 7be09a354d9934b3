// The backups of the main window: the dialog "&9 Backups" and the restore it leads to.
#include <QAction>

#include "app/dialogs.h"
#include "app/main_window.h"
#include "backup/backups.h"
#include "backup/backups_dialog.h"

namespace {

std::vector<BackupRow> backupRows(store::Database& db) {
    std::vector<BackupRow> rows;
    for (const backup::Backup& backup : backup::listBackups(db.path()))
        rows.push_back({backup.name.id(), backup.name.time.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")),
                        backup.name.command, backup::changesSinceBackup(db, backup)});
    return rows;
}

}  // namespace

void TForm1::N9Backups1Click() {
    TBackupsDialog dialog(backupRows(Database1), this);
    if (m_dialogs.exec(dialog) != QDialog::Accepted) return;
    const std::optional<QString> id = dialog.chosenId();
    if (!id) return;
    const QString question = QStringLiteral(
                                 "Restore the backup \"%1\"? The tables as they are now are backed up "
                                 "first.")
                                 .arg(*id);
    if (m_dialogs.message(QStringLiteral("Restore"), question, QMessageBox::Question,
                          QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    LockMainWindow();
    Table1.Close();
    unbindOwnerPanel();
    unbindIslandPanel();
    backup::restore(Database1, *id, m_clock);
    UnlockMainWindow();
}
