// The backups of the main window: the dialog "&9 Backups" and the restore it leads to.
#include <QAction>

#include "app/dialogs.h"
#include "app/main_window.h"
#include "backup/backups.h"
#include "backup/backups_dialog.h"

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
    // A folder the start could not open has its tables now: the program starts on them.
    if (!m_started) FormCreate();
}
