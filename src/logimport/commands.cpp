// The log imports of the main window: worked or claimed references from a log's UPF file, the
// confirmed contacts of the headquarters' CSV file, and the QSOs of an ADIF log after a preview.
#include <QDir>
#include <QLabel>
#include <QProgressBar>

#include "app/dialogs.h"
#include "app/gauge_view.h"
#include "app/main_window.h"
#include "backup/backups.h"
#include "base/text_file.h"
#include "listupdate/update_panel_rules.h"
#include "logimport/adif_import.h"
#include "logimport/adif_preview_dialog.h"
#include "logimport/csv_import.h"
#include "logimport/upf_import.h"
#include "logimport/upf_mode_choices.h"
#include "logimport/upf_mode_dialog.h"

void TForm1::ImportUPFClick() {
    LockMainWindow();
    Table1.Close();
    Table1.setReadOnly(false);
    Table1.setFilter(QString());
    const QString fileName = m_dialogs.openFileName(QStringLiteral("Import Data from Log"), QDir::homePath(),
                                                    QStringLiteral("UPF Import File (*.upf)"));
    if (!fileName.isEmpty()) importUpfFile(fileName);
    UnlockMainWindow();
}

// The steps between the file dialog and the unlocking; Abort in the mode dialog ends them early.
void TForm1::importUpfFile(const QString& fileName) {
    GroupLabel->setText(QStringLiteral("Parsing UPF data ..."));
    GroupLabel->show();
    Progress->setValue(0);
    Progress->show();
    repaint();
    const TextLines lines = readTextLines(fileName);
    TUPF_mode UPF_mode(this);
    const std::optional<ImportMode> mode = upfmode::modeForResult(m_dialogs.exec(UPF_mode));
    if (!mode) return;
    backup::runAfterBackup(Database1, QStringLiteral("import-upf"), m_clock,
                           [&] { importUpf(Database1, Table1, lines, *mode, *m_gaugeView); });
}

void TForm1::N7HQImport1Click() {
    LockMainWindow();
    showPanelMoment(updatepanel::Moment::ImportRunning);
    parkTableOnOwner();
    const QString fileName = m_dialogs.openFileName(QString(), QDir::home().filePath(QStringLiteral("myqsos.csv")),
                                                    QStringLiteral("HQ File (*.csv)"));
    if (!fileName.isEmpty()) {
        const TextLines lines = readTextLines(fileName);
        backup::runAfterBackup(Database1, QStringLiteral("import-csv"), m_clock,
                               [&] { importCsv(Database1, Table1, lines, StartCounts); });
    }
    Table1.setFiltered(false);
    UnlockMainWindow();
    AbortClick();
    Table1.setReadOnly(true);
}

void TForm1::ImportADIFClick() {
    LockMainWindow();
    Table1.Close();
    Table1.setReadOnly(false);
    Table1.setFilter(QString());
    const QString fileName = m_dialogs.openFileName(QStringLiteral("Import ADIF Log"), QDir::homePath(),
                                                    QStringLiteral("ADIF Log File (*.adi *.adif *.adx)"));
    if (!fileName.isEmpty()) importAdifFile(fileName);
    UnlockMainWindow();
}

// Reads the log whole, shows what it would change and writes only what the user accepts.
void TForm1::importAdifFile(const QString& fileName) {
    GroupLabel->setText(QStringLiteral("Reading ADIF log ..."));
    GroupLabel->show();
    Progress->setValue(0);
    Progress->show();
    repaint();
    const IslandRecordStates records = readIslandRecordStates(Table1);
    const AdifLog log = readAdifLog(fileName, records);
    // The gauge has nothing to count while the user reads the preview; the line says what was read.
    Progress->hide();
    GroupLabel->setText(logSummary(fileName, log));
    AdifPreviewDialog preview(fileName, log, records, this);
    if (m_dialogs.exec(preview) != QDialog::Accepted) return;
    backup::runAfterBackup(Database1, QStringLiteral("import-adif"), m_clock, [&] {
        m_gaugeView->setCaption(QStringLiteral("Importing ADIF log ..."));
        Progress->show();
        applyAdifPlan(Database1, Table1, preview.plan(), *m_gaugeView);
    });
}
