#include "exchange/commands.h"

#include <QDir>
#include <QFileInfo>

#include "backup/backups.h"
#include "exchange/member_import.h"
#include "exchange/update_export.h"
#include "register/store/table.h"
#include "window/command_window.h"
#include "window/dialogs.h"
#include "window/file_question.h"

namespace {

// The file dialogs start in the home folder: there is no drive A: to propose.
QString startFolder() {
    return QDir::homePath();
}

QString withDefaultSuffix(const QString& fileName, const QString& suffix) {
    return QFileInfo(fileName).suffix().isEmpty() ? fileName + u'.' + suffix : fileName;
}

}  // namespace

void ExchangeCommands::importMemberFile() {
    CommandWindow& window = m_window;
    const QString file = lockAndAskForFile(window, [] {},
                                           {QStringLiteral("Import Data from Checkpoint"), startFolder(),
                                            QStringLiteral("Checkpoint Import file (*.mbr)")});
    if (!file.isEmpty()) {
        // The import names its phases itself.
        BatchProgress& progress = window.progress(QString());
        window.unbindRecordPanels();
        backup::runAfterBackup(window.database(), QStringLiteral("import-member"), window.clock(), [&] {
            ::importMemberFile(window.database(), window.table(), file, window.startCounts(), progress);
        });
    }
    window.UnlockMainWindow();
}

void ExchangeCommands::exportUpdateFile() {
    CommandWindow& window = m_window;
    window.LockMainWindow();
    window.unbindRecordPanels();
    window.repaintNow();
    const QString file =
        window.dialogs().saveFileName(QString(), proposedExportFileName(startFolder(), window.ownerCallsign()),
                                      QStringLiteral("Checkpoint Export File (*.upd)"));
    if (!file.isEmpty())
        ::exportUpdateFile(window.database(), window.table(), withDefaultSuffix(file, QStringLiteral("upd")),
                           window.ownerCallsign(), window.ownerDirectoryNo(), window.clock());
    window.enableViewButtonsAndBoxes();
    window.setExchangeButtonsEnabled(true);
    window.table().setFiltered(false);
}
