// The island list updates of the main window, from a file, via the Internet in the update
// panel and from the award programme's JSON list, and the wiring of the log import and update menus.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include "app/dialogs.h"
#include "app/error_box.h"
#include "app/gauge_view.h"
#include "app/main_window.h"
#include "backup/backups.h"
#include "base/failure.h"
#include "base/text_file.h"
#include "listupdate/http_client.h"
#include "listupdate/iota_json_list.h"
#include "listupdate/iota_json_preview_dialog.h"
#include "listupdate/iota_json_update.h"
#include "listupdate/list_update.h"
#include "listupdate/update_panel.h"
#include "listupdate/update_panel_rules.h"
#include "listupdate/url_history.h"
#include "register/owner_table.h"

using updatepanel::Moment;

void TForm1::fromFile1Click() {
    LockMainWindow();
    showPanelMoment(Moment::ImportRunning);
    parkTableOnOwner();
    const QString fileName = m_dialogs.openFileName(QString(), QDir::home().filePath(QStringLiteral("update.txt")),
                                                    QStringLiteral("Update Text File (*.txt)"));
    if (!fileName.isEmpty()) {
        const TextLines lines = readTextLines(fileName);
        backup::runAfterBackup(Database1, QStringLiteral("update"), m_clock,
                               [&] { applyListUpdate(Database1, Table1, lines, StartCounts); });
    }
    AbortClick();
    Table1.setReadOnly(true);
}

void TForm1::fromIotaList1Click() {
    LockMainWindow();
    parkTableOnOwner();
    const QString fileName = m_dialogs.openFileName(QString(), QDir::home().filePath(QStringLiteral("groups.json")),
                                                    QStringLiteral("IOTA list (*.json)"));
    if (!fileName.isEmpty()) importIotaList(fileName);
    UnlockMainWindow();
    Table1.setReadOnly(true);
}

// The list is read and its changes worked out before the preview; nothing is written unless
// the user chooses "&Import" there.
void TForm1::importIotaList(const QString& fileName) {
    const IotaListPlan plan = planIotaListUpdate(Table1, readIotaJsonList(fileName));
    TIotaJsonPreview preview(plan, fileName, this);
    if (m_dialogs.exec(preview) != QDialog::Accepted) return;
    backup::runAfterBackup(Database1, QStringLiteral("import-list"), m_clock, [&] {
        GroupLabel->setText(QStringLiteral("Importing IOTA list ..."));
        GroupLabel->show();
        Progress->setValue(0);
        Progress->show();
        repaint();
        applyIotaListPlan(Database1, Table1, plan, *m_gaugeView);
    });
}

void TForm1::AbortClick() {
    InternetPanel->hide();
    resetGroupLabel();
    enableViewButtonsAndBoxes();
    Table1.setFiltered(false);
    selectAllRecordsMode();
}

void TForm1::viaInternet1Click() {
    LockMainWindow();
    InternetPanel->show();
    InternetPanel->raise();
    showPanelMoment(Moment::Opened);
    if (const std::optional<QStringList> urls = readUrlHistory(urlHistoryFile())) m_updatePanel->replaceUrls(*urls);
}

void TForm1::btnGoClick() {
    m_updatePanel->addTypedUrl();
    showPanelMoment(Moment::DownloadRunning);
    memoHTML->clear();
    const std::optional<QString> failure = downloadIntoMemo();
    showPanelMoment(Moment::DownloadEnded);
    // A download ended by closing the panel is not reported: the user has left it.
    if (failure && !InternetPanel->isHidden()) showErrorBox(m_dialogs, *failure);
}

// The GET of the text in cbURL, shown in the memo; the client's message when it fails. The
// window serves input while it waits: each click then runs as a command with its own error box.
std::optional<QString> TForm1::downloadIntoMemo() {
    const QScopedValueRollback<int> inputOfItsOwn(m_commandDepth, 0);
    try {
        m_updatePanel->showText(m_updatePanel->http().get(cbURL->currentText()));
    } catch (const Failure& failure) {
        return failure.message();
    }
    return std::nullopt;
}

void TForm1::btnStopClick() {
    m_updatePanel->http().abort();
    showPanelMoment(Moment::StopPressed);
}

void TForm1::ImportURLClick() {
    LockMainWindow();
    showPanelMoment(Moment::ImportRunning);
    parkTableOnOwner();
    backup::runAfterBackup(Database1, QStringLiteral("update-url"), m_clock,
                           [&] { applyListUpdate(Database1, Table1, m_updatePanel->memoLines(), StartCounts); });
    writeUrlHistory(urlHistoryFile(), m_updatePanel->urls());
    AbortClick();
    Table1.setReadOnly(true);
}

void TForm1::setHttpClient(std::unique_ptr<HttpClient> client) {
    m_updatePanel->setHttpClient(std::move(client));
}

// The first steps of the updates and the CSV import: no record panel field left bound, and the
// handle parked on "Owner".
void TForm1::parkTableOnOwner() {
    Table1.Close();
    unbindOwnerPanel();
    unbindIslandPanel();
    owner::parkOnTable(Table1);
}

void TForm1::showPanelMoment(Moment moment) {
    m_updatePanel->showMoment(moment);
}

QString TForm1::urlHistoryFile() const {
    return m_paths.writableBesideProgram(QLatin1String(kUrlHistoryFileName));
}

// The update panel inside "InternetPanel", its controls known to the window by their names.
void TForm1::createUpdatePanel() {
    m_updatePanel = new UpdatePanel(InternetPanel);
    auto* fill = new QVBoxLayout(InternetPanel);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(m_updatePanel);
    cbURL = m_updatePanel->cbURL;
    memoHTML = m_updatePanel->memoHTML;
    btnGo = m_updatePanel->btnGo;
    btnStop = m_updatePanel->btnStop;
    ImportURL = m_updatePanel->ImportURL;
    Abort = m_updatePanel->Abort;
}
