#pragma once

#include <QString>
#include <functional>
#include <memory>

class CommandWindow;
class HttpClient;
class QWidget;
class TextLines;
class UpdatePanel;
struct FileQuestion;

// The island list updates of the window: from a text file, via the Internet in the update panel
// (with its URL history), and from the award programme's JSON list after a preview. It owns the
// update panel inside the window's `InternetPanel`.
class ListUpdateCommands {
public:
    ListUpdateCommands(CommandWindow& window, QWidget& internetPanel);

    UpdatePanel& panel() { return *m_panel; }
    // The HTTP client of the downloads; the window starts with the one on Qt Network.
    void setHttpClient(std::unique_ptr<HttpClient> client);

    // "from &File" (`fromFile1Click`).
    void updateFromFile();
    // "from IOTA &list" (`fromIotaList1Click`).
    void updateFromIotaList();
    // "via &Internet" (`viaInternet1Click`): the panel opened with the URL history.
    void openUpdatePanel();
    // The panel's buttons: `btnGoClick`, `btnStopClick`, `ImportURLClick`.
    void download();
    void stopDownload();
    void updateFromDownload();

    // The start the text-file updates and the headquarters' CSV import share: the panel's buttons
    // set for an import, the table parked on "Owner", the file asked for, read whole, and its
    // lines applied after the automatic backup named backupCommand.
    using ApplyLines = std::function<void(const TextLines& lines)>;
    void importTextFile(const FileQuestion& question, const QString& backupCommand, const ApplyLines& apply);

private:
    void importIotaList(const QString& fileName);
    void parkTableOnOwner();
    QString urlHistoryFile() const;

    CommandWindow& m_window;
    UpdatePanel* m_panel;
};
