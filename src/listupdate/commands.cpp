#include "listupdate/commands.h"

#include <QComboBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "backup/backups.h"
#include "base/failure.h"
#include "base/paths.h"
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
#include "register/store/table.h"
#include "window/command_window.h"
#include "window/dialogs.h"
#include "window/error_box.h"
#include "window/file_question.h"

using updatepanel::Moment;

// The update panel fills `InternetPanel`; the window knows its controls by their names.
ListUpdateCommands::ListUpdateCommands(CommandWindow& window, QWidget& internetPanel)
    : m_window(window), m_panel(new UpdatePanel(&internetPanel)) {
    auto* fill = new QVBoxLayout(&internetPanel);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(m_panel);
}

void ListUpdateCommands::setHttpClient(std::unique_ptr<HttpClient> client) {
    m_panel->setHttpClient(std::move(client));
}

void ListUpdateCommands::importTextFile(const FileQuestion& question, const QString& backupCommand,
                                        const ApplyLines& apply) {
    const QString fileName = lockAndAskForFile(
        m_window,
        [this] {
            m_panel->showMoment(Moment::ImportRunning);
            parkTableOnOwner();
        },
        question);
    if (fileName.isEmpty()) return;
    const TextLines lines = readTextLines(fileName);
    backup::runAfterBackup(m_window.database(), backupCommand, m_window.clock(), [&] { apply(lines); });
}

void ListUpdateCommands::updateFromFile() {
    CommandWindow& window = m_window;
    importTextFile(
        {QString(), QDir::home().filePath(QStringLiteral("update.txt")), QStringLiteral("Update Text File (*.txt)")},
        QStringLiteral("update"), [&](const TextLines& lines) {
            applyListUpdate(window.database(), window.table(), lines, window.startCounts());
        });
    window.AbortClick();
    window.table().setReadOnly(true);
}

void ListUpdateCommands::updateFromIotaList() {
    const QString fileName = lockAndAskForFile(
        m_window, [this] { parkTableOnOwner(); },
        {QString(), QDir::home().filePath(QStringLiteral("groups.json")), QStringLiteral("IOTA list (*.json)")});
    if (!fileName.isEmpty()) importIotaList(fileName);
    m_window.UnlockMainWindow();
    m_window.table().setReadOnly(true);
}

// The list is read and its changes worked out before the preview; nothing is written unless
// the user chooses "&Import" there.
void ListUpdateCommands::importIotaList(const QString& fileName) {
    CommandWindow& window = m_window;
    const IotaListPlan plan = planIotaListUpdate(window.table(), readIotaJsonList(fileName));
    TIotaJsonPreview preview(plan, fileName, window.dialogParent());
    if (window.dialogs().exec(preview) != QDialog::Accepted) return;
    backup::runAfterBackup(window.database(), QStringLiteral("import-list"), window.clock(), [&] {
        applyIotaListPlan(window.database(), window.table(), plan,
                          window.progress(QStringLiteral("Importing IOTA list ...")));
    });
}

void ListUpdateCommands::openUpdatePanel() {
    m_window.LockMainWindow();
    QWidget& internetPanel = *m_panel->parentWidget();
    internetPanel.show();
    internetPanel.raise();
    m_panel->showMoment(Moment::Opened);
    if (const std::optional<QStringList> urls = readUrlHistory(urlHistoryFile())) m_panel->replaceUrls(*urls);
}

// The GET of the text in the URL box, shown in the memo. The window serves input while it
// waits; a download ended by closing the panel is not reported: the user has left it.
void ListUpdateCommands::download() {
    m_panel->addTypedUrl();
    m_panel->showMoment(Moment::DownloadRunning);
    m_panel->memoHTML->clear();
    std::optional<QString> failure;
    m_window.serveInputDuring([&] {
        try {
            m_panel->showText(m_panel->http().get(m_panel->cbURL->currentText()));
        } catch (const Failure& fetchFailure) {
            failure = fetchFailure.message();
        }
    });
    m_panel->showMoment(Moment::DownloadEnded);
    if (failure && !m_panel->parentWidget()->isHidden()) showErrorBox(m_window.dialogs(), *failure);
}

void ListUpdateCommands::stopDownload() {
    m_panel->http().abort();
    m_panel->showMoment(Moment::StopPressed);
}

void ListUpdateCommands::updateFromDownload() {
    CommandWindow& window = m_window;
    window.LockMainWindow();
    m_panel->showMoment(Moment::ImportRunning);
    parkTableOnOwner();
    backup::runAfterBackup(window.database(), QStringLiteral("update-url"), window.clock(), [&] {
        applyListUpdate(window.database(), window.table(), m_panel->memoLines(), window.startCounts());
    });
    writeUrlHistory(urlHistoryFile(), m_panel->urls());
    window.AbortClick();
    window.table().setReadOnly(true);
}

// No record panel field left bound, and the handle parked on "Owner".
void ListUpdateCommands::parkTableOnOwner() {
    m_window.table().Close();
    m_window.unbindRecordPanels();
    owner::parkOnTable(m_window.table());
}

QString ListUpdateCommands::urlHistoryFile() const {
    return m_window.paths().writableBesideProgram(QLatin1String(kUrlHistoryFileName));
}
