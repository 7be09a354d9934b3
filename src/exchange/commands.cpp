// The checkpoint exchange commands of the main window: the member file import and the update
// file export. The line format and the table work are the core's; these carry out the window's steps.
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "app/dialogs.h"
#include "app/gauge_view.h"
#include "app/main_window.h"
#include "backup/backups.h"
#include "exchange/member_import.h"
#include "exchange/update_export.h"

namespace {

// The file dialogs start in the home folder: there is no drive A: to propose.
QString startFolder() {
    return QDir::homePath();
}

QString withDefaultSuffix(const QString& fileName, const QString& suffix) {
    return QFileInfo(fileName).suffix().isEmpty() ? fileName + u'.' + suffix : fileName;
}

}  // namespace

void TForm1::ImportButtonClick() {
    LockMainWindow();
    const QString file = m_dialogs.openFileName(QStringLiteral("Import Data from Checkpoint"), startFolder(),
                                                QStringLiteral("Checkpoint Import file (*.mbr)"));
    if (!file.isEmpty()) {
        GroupLabel->show();
        Progress->show();
        unbindOwnerPanel();
        unbindIslandPanel();
        backup::runAfterBackup(Database1, QStringLiteral("import-member"), m_clock,
                               [&] { importMemberFile(Database1, Table1, file, StartCounts, *m_gaugeView); });
    }
    UnlockMainWindow();
}

void TForm1::ExportButtonClick() {
    LockMainWindow();
    unbindOwnerPanel();
    unbindIslandPanel();
    repaint();
    const QString file = m_dialogs.saveFileName(QString(), proposedExportFileName(startFolder(), OwnerCallsign),
                                                QStringLiteral("Checkpoint Export File (*.upd)"));
    if (!file.isEmpty())
        exportUpdateFile(Database1, Table1, withDefaultSuffix(file, QStringLiteral("upd")), OwnerCallsign,
                         OwnerDirectoryNo, m_clock);
    enableViewButtonsAndBoxes();
    setExchangeButtonsEnabled(true);
    Table1.setFiltered(false);
}
