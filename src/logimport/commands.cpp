#include "logimport/commands.h"

#include <QDir>

#include "backup/backups.h"
#include "base/text_file.h"
#include "listupdate/commands.h"
#include "logimport/adif_import.h"
#include "logimport/adif_preview_dialog.h"
#include "logimport/csv_import.h"
#include "logimport/upf_import.h"
#include "logimport/upf_mode_choices.h"
#include "logimport/upf_mode_dialog.h"
#include "register/store/table.h"
#include "window/command_window.h"
#include "window/dialogs.h"
#include "window/file_question.h"

void LogImportCommands::importLog(const FileQuestion& question,
                                  void (LogImportCommands::*import)(const QString& fileName)) {
    store::Table& table = m_window.table();
    const QString fileName = lockAndAskForFile(
        m_window,
        [&] {
            table.Close();
            table.setReadOnly(false);
            table.setFilter(QString());
        },
        question);
    if (!fileName.isEmpty()) (this->*import)(fileName);
    m_window.UnlockMainWindow();
}

void LogImportCommands::importUpfLog() {
    importLog({QStringLiteral("Import Data from Log"), QDir::homePath(), QStringLiteral("UPF Import File (*.upf)")},
              &LogImportCommands::importUpfFile);
}

// The steps between the file dialog and the unlocking; Abort in the mode dialog ends them early.
void LogImportCommands::importUpfFile(const QString& fileName) {
    CommandWindow& window = m_window;
    BatchProgress& progress = window.progress(QStringLiteral("Parsing UPF data ..."));
    const TextLines lines = readTextLines(fileName);
    TUPF_mode UPF_mode(window.dialogParent());
    const std::optional<ImportMode> mode = upfmode::modeForResult(window.dialogs().exec(UPF_mode));
    if (!mode) return;
    backup::runAfterBackup(window.database(), QStringLiteral("import-upf"), window.clock(),
                           [&] { importUpf(window.database(), window.table(), lines, *mode, progress); });
}

void LogImportCommands::importHqFile() {
    CommandWindow& window = m_window;
    m_listUpdates.importTextFile(
        {QString(), QDir::home().filePath(QStringLiteral("myqsos.csv")), QStringLiteral("HQ File (*.csv)")},
        QStringLiteral("import-csv"),
        [&](const TextLines& lines) { importCsv(window.database(), window.table(), lines, window.startCounts()); });
    window.table().setFiltered(false);
    window.UnlockMainWindow();
    window.AbortClick();
    window.table().setReadOnly(true);
}

void LogImportCommands::importAdifLog() {
    importLog(
        {QStringLiteral("Import ADIF Log"), QDir::homePath(), QStringLiteral("ADIF Log File (*.adi *.adif *.adx)")},
        &LogImportCommands::importAdifFile);
}

// Reads the log whole, shows what it would change and writes only what the user accepts.
void LogImportCommands::importAdifFile(const QString& fileName) {
    CommandWindow& window = m_window;
    window.progress(QStringLiteral("Reading ADIF log ..."));
    const IslandRecordStates records = readIslandRecordStates(window.table());
    const AdifLog log = readAdifLog(fileName, records);
    // The gauge has nothing to count while the user reads the preview; the line says what was read.
    window.showStatusLine(logSummary(fileName, log));
    AdifPreviewDialog preview(fileName, log, records, window.dialogParent());
    if (window.dialogs().exec(preview) != QDialog::Accepted) return;
    backup::runAfterBackup(window.database(), QStringLiteral("import-adif"), window.clock(), [&] {
        applyAdifPlan(window.database(), window.table(), preview.plan(),
                      window.progress(QStringLiteral("Importing ADIF log ...")));
    });
}
