#pragma once

#include <QEvent>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "backup/edit_mode_backup.h"
#include "base/paths.h"
#include "register/cards/qsl_card_panel.h"
#include "register/start_state.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "reports/report_layouts.h"
#include "reports/report_preview_view.h"
#include "window/command_window.h"

class BatchProgress;
class Clock;
class GaugeView;
class Dialogs;
class ListGridModel;
class QAbstractButton;
class RecordPanelBindings;
class PictureBox;
class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableView;
class Shell;

namespace reports {
class SummaryPanelView;
enum class SummaryKind;
struct WantListKind;
}  // namespace reports

class BackupCommands;
class ExchangeCommands;
class HttpClient;
class ListUpdateCommands;
class LogImportCommands;
class QPlainTextEdit;
class QslCardCommands;

namespace maps {
class MapView;
}
class SpotsView;

namespace firstrun {
struct OwnerEntry;
}

// The main window `Form1`: every control and menu of the program, the table handle and the
// values that live as long as the program. Its methods are the program's commands; each one
// carries out its steps on the controls and leaves the rest to the layers below.
class TForm1 : public QMainWindow, public CommandWindow {
    Q_OBJECT

public:
    // ---- The window (src/app/main_window.cpp): start-up, locking, the error wrapper, the shared
    // values and the steps several commands share.
    TForm1(Paths paths, Dialogs& dialogs, Clock& clock, Shell& shell, QWidget* parent = nullptr);
    ~TForm1() override;

    void FormCreate();
    void LockMainWindow() override;
    void UnlockMainWindow() override;
    void ExitButtonClick();
    void HelpButtonClick();

    // Runs one command to its end. A failure ends it at the failing step, shows the standard
    // error box and gives the window back: controls enabled, no view shown.
    void runCommand(const std::function<void()>& command);

    // The eight view buttons and the ten display-mode buttons, in their numbering order.
    std::array<QPushButton*, 8> viewButtons() const;
    std::array<QRadioButton*, 10> radioButtons() const;

    // Values that live as long as the program.
    QString OwnerCallsign;
    QString OwnerDirectoryNo;
    std::array<int, 8> StartCounts{};
    QString CurrentGroup;
    QString HelpFile;
    // The record's status and callsign when the callsign field or the status box was entered.
    QString SavedStatus;
    QString SavedCall;

    store::Database Database1;
    store::Table Table1;

    // ---- The command table (src/app/command_table.cpp): the signal of a control or menu entry
    // that runs its command, and the wiring of every row.
    enum class CommandSignal {
        Clicked,
        Checked,
        Toggled,
        Triggered,
        Activated,
        DoubleClicked,
        EnterPressed,
        TextChanged
    };
    // Runs the command through the error wrapper each time the control gives the signal.
    void connectCommand(QObject* control, CommandSignal signal, std::function<void()> command);

    // ---- The controls (src/app/main_window_controls.cpp).
    // Display selection.
    QGroupBox* GroupBox1 = nullptr;
    QPushButton* AfricaButton = nullptr;
    QPushButton* AntarcticaButton = nullptr;
    QPushButton* AsiaButton = nullptr;
    QPushButton* EuropeButton = nullptr;
    QPushButton* NorthamericaButton = nullptr;
    QPushButton* OceaniaButton = nullptr;
    QPushButton* SouthamericaButton = nullptr;
    QPushButton* MyDetailsButton = nullptr;

    // Modify/Import/Export.
    QGroupBox* GroupBox2 = nullptr;
    QCheckBox* EditMode = nullptr;
    QPushButton* ImportButton = nullptr;
    QPushButton* ExportButton = nullptr;
    QLabel* LJumpTo = nullptr;
    QLineEdit* JumpTo = nullptr;

    // Display mode (Status).
    QGroupBox* RadioGroup1 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QRadioButton* RadioButton4 = nullptr;
    QRadioButton* RadioButton5 = nullptr;
    QRadioButton* RadioButton6 = nullptr;
    QRadioButton* RadioButton7 = nullptr;
    QRadioButton* RadioButton8 = nullptr;
    QRadioButton* RadioButton9 = nullptr;
    QRadioButton* RadioButton10 = nullptr;

    // Awards, Info, Help, Exit.
    QGroupBox* GroupBox3 = nullptr;
    QPushButton* SpeedButton1 = nullptr;
    QPushButton* InfoButton = nullptr;
    QPushButton* HelpButton = nullptr;
    QPushButton* ExitButton = nullptr;

    // Status line.
    QLabel* GroupLabel = nullptr;
    QProgressBar* Progress = nullptr;

    // Record panels, one shown at a time.
    QFrame* IotaDBCtrlGrid = nullptr;
    QLineEdit* IotaID = nullptr;
    QLineEdit* Island_name = nullptr;
    QLineEdit* Prefix = nullptr;
    QLineEdit* Callsign = nullptr;
    QLineEdit* Comment = nullptr;
    QComboBox* StatusDBComboBox = nullptr;
    QFrame* MyDetailsDBCtrlGrid = nullptr;
    QLabel* DBText1 = nullptr;
    QLineEdit* DBEdit1 = nullptr;
    QFrame* ClaimAwardDBCtrlGrid = nullptr;
    QLabel* DBText2 = nullptr;
    QComboBox* AwardNumberDBComboBox = nullptr;
    QLineEdit* DateDBEdit = nullptr;

    // List area, and the panels that cover the whole window.
    QTableView* DBGrid1 = nullptr;
    QFrame* GroupSummary = nullptr;
    PictureBox* Panel1 = nullptr;
    QslCardPanel* QSLPanel = nullptr;
    QFrame* InternetPanel = nullptr;

    // ---- The main menu (src/app/main_menu.cpp).
    QMenuBar* MainMenu1 = nullptr;
    QMenu* Groups = nullptr;
    QMenu* ArticIslands1 = nullptr;
    QAction* Europe2 = nullptr;
    QAction* Asia2 = nullptr;
    QAction* Northamerica2 = nullptr;
    QAction* BritishIsles1 = nullptr;
    QMenu* WestIndies1 = nullptr;
    QAction* Northamerica3 = nullptr;
    QAction* Southamerica2 = nullptr;
    QMenu* Summary = nullptr;
    QAction* GroupAwards1 = nullptr;
    QAction* ContinentalAwards1 = nullptr;
    QMenu* Reports = nullptr;
    QAction* PrintSummary1 = nullptr;
    QMenu* PrintGroupsummary1 = nullptr;
    QMenu* PrintContinentalsummary1 = nullptr;
    QMenu* WantListshort1 = nullptr;
    QAction* ClaimAward = nullptr;
    QAction* N5ImportUPF1 = nullptr;
    QMenu* N6UpdateMasterIndex1 = nullptr;
    QAction* viaInternet1 = nullptr;
    QAction* fromFile1 = nullptr;
    QAction* fromIotaList1 = nullptr;
    QAction* N7HQImport1 = nullptr;
    QMenu* More1 = nullptr;
    QAction* N8ImportADIF1 = nullptr;
    QAction* N9Backups1 = nullptr;
    QAction* Map1 = nullptr;
    QAction* Spots1 = nullptr;

    // ---- Continent and group views, record editing, the owner details view
    // (src/register/commands.cpp).
    void AfricaButtonClick();
    void AntarcticaButtonClick();
    void AsiaButtonClick();
    void EuropeButtonClick();
    void NorthamericButtonClick();
    void OceaniaButtonClick();
    void SouthamericaButtonClick();
    void Europe2Click();
    void Asia2Click();
    void Northamerica2Click();
    void BritishIsles1Click();
    void Northamerica3Click();
    void Southamerica2Click();
    void IotaEdit();
    void EditChange();
    void CheckFilter();
    void GroupShow(const QString& groupCode);
    void EditModeClick();
    void CallsignEnter();
    void CallsignExit();
    void StatusDBComboBoxEnter();
    void StatusDBComboBoxExit();
    void JumpToChange();
    void JumpToDblClick();
    // Ctrl+Delete in the list or the record panel: asks, then deletes the current record.
    void DeleteCurrentRecord();
    void MyDetailsButtonClick();

    // ---- The batch commands (src/app/batch_command_entries.cpp): each handler hands its command
    // to the command object of its folder, which sees the window as a CommandWindow.
    // QSL cards (src/register/cards/).
    void DBGrid1DblClick();

    // ---- The award list and claims (src/register/claims/commands.cpp).
    void Awards();
    void SpeedButton1Click();
    void ClaimAwardClick();
    void AwardNumberDBComboBoxChange();

    // ---- The windows beside the main window (src/app/island_windows.cpp): the map of the
    // islands and the DX cluster spots, each opened or brought to the front.
    void Map1Click();
    void Spots1Click();
    // Shows a record in its continent view, as "Jump to" does: a double click on the map.
    void showRecordInContinentView(const QString& reference);

    // ---- The About box (src/app/about_command.cpp).
    void InfoButtonClick();

    // ---- First-run setup of the owner data (src/app/first_run.cpp).
    void UpdateMyDetails();
    firstrun::OwnerEntry InitialEntry();

    // ---- Award summaries, printed island lists and want lists (src/reports/commands.cpp). The
    // 91 island-list commands of "&3 Reports" are menu entries named after their handlers, each
    // calling PrepareReport.
    void ContinentalAwards1Click();
    void GroupAwards1Click();
    void OK_ButtonClick();
    void PrintSummary1Click();
    void PrepareSummary();
    void PrepareReport(const QString& title, const QString& tableName, const QString& filter);
    void NeededWorked1Click();
    void Needed14Click();
    void ByRarity1Click();
    // The window the finished reports are shown in; tests put one in that keeps them.
    void setReportPreview(std::unique_ptr<reports::ReportPreview> preview);
    // The three report layouts, filled in before each report.
    reports::IslandListLayout QuickRep1;
    reports::SummaryLayout QuickRep2;
    reports::WantListLayout QuickRep3;

    // Log imports: UPF, the headquarters' CSV file, ADIF (src/logimport/).
    void ImportUPFClick();
    void N7HQImport1Click();
    void ImportADIFClick();

    // Island list updates and the update panel (src/listupdate/).
    void fromFile1Click();
    void fromIotaList1Click();
    void AbortClick() override;
    void viaInternet1Click();
    void btnGoClick();
    void btnStopClick();
    void ImportURLClick();
    // The HTTP client of the update panel; the window starts with the one on Qt Network.
    void setHttpClient(std::unique_ptr<HttpClient> client);
    // The update panel's controls.
    QComboBox* cbURL = nullptr;
    QPlainTextEdit* memoHTML = nullptr;
    QPushButton* btnGo = nullptr;
    QPushButton* btnStop = nullptr;
    QPushButton* ImportURL = nullptr;
    QPushButton* Abort = nullptr;

    // The checkpoint exchange (src/exchange/).
    void ImportButtonClick();
    void ExportButtonClick();

    // Backups and restore (src/backup/).
    void N9Backups1Click();

    // ---- What the batch commands see of the window (src/app/command_window_steps.cpp).
    store::Database& database() override { return Database1; }
    store::Table& table() override { return Table1; }
    Dialogs& dialogs() override { return m_dialogs; }
    Clock& clock() override { return m_clock; }
    const Paths& paths() const override { return m_paths; }
    const std::array<int, 8>& startCounts() const override { return StartCounts; }
    QString ownerCallsign() const override { return OwnerCallsign; }
    QString ownerDirectoryNo() const override { return OwnerDirectoryNo; }
    QWidget* dialogParent() override { return this; }
    void unbindRecordPanels() override;
    // The top-level menus a panel on show closes.
    void setCommandMenusEnabled(bool enabled) override;
    void setExchangeButtonsEnabled(bool enabled) override;
    void enableViewButtonsAndBoxes() override;
    void repaintNow() override;
    BatchProgress& progress(const QString& caption) override;
    void showStatusLine(const QString& text) override;
    void serveInputDuring(const std::function<void()>& wait) override;
    void startOnRestoredTables() override;

protected:
    // ---- The events of the controls that are commands (src/app/main_window_events.cpp).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // ---- The window (src/app/main_window.cpp).
    void selectAllRecordsMode();
    void putViewButtonsUp();
    void clearEditMode();
    void setGridColumns(const QStringList& fieldNames);
    void pointAtOwnerRow(const QString& name);
    void readOwner();
    void setReportPageHeaders();
    void giveWindowBack();
    void releaseViewButtons();
    void resetGroupLabel();

    Paths m_paths;
    Dialogs& m_dialogs;
    Clock& m_clock;
    Shell& m_shell;
    // Commands started from inside a command (a state change a step makes) share its error box.
    int m_commandDepth = 0;
    // Whether the start-up read the tables; a restore on a folder it could not open starts anew.
    bool m_started = false;

    // ---- The command table (src/app/command_table.cpp).
    void connectCommands();

    // ---- The controls and the main menu (src/app/main_window_controls.cpp, src/app/main_menu.cpp).
    void createControls();
    void createSelectionBoxes(QWidget* client);
    void createRecordPanels(QWidget* client);
    void createListArea(QWidget* client);
    void createStatusLine(QWidget* client);
    void createMainMenu();
    QButtonGroup* m_viewButtonGroup = nullptr;
    ListGridModel* m_gridModel = nullptr;
    // The one gauge of every batch command: the status line's caption and progress bar.
    std::unique_ptr<GaugeView> m_gaugeView;

    // ---- Views, editing, the owner details view (src/register/commands.cpp).
    void bindRecordControls();
    void showContinent(const QString& tableName);
    void showGroupView(int view);
    // Shows the view button of the table's continent pressed.
    void checkViewButtonOf(const QString& tableName);
    void showJumpTo(bool shown);
    std::array<QWidget*, 6> islandPanelControls() const;
    void enterField(QWidget* control);
    void leaveField(QWidget* control);
    void scrollRecordPanel(QWidget* field, int step);
    bool inRecordPanel(const QWidget* control) const;
    void unbindAwardPanel();
    void unbindOwnerPanel();
    void unbindIslandPanel();
    int selectedDisplayMode() const;
    void selectRadioButton1();
    void followCurrentRecord(int row);
    // A view opened, or an award chosen for, leaves the keyboard in the list.
    void focusList();
    RecordPanelBindings* m_bindings = nullptr;
    bool m_followingTable = false;

    // ---- Summaries and reports (src/reports/commands.cpp).
    void createReportViews();
    void createReportMenus();
    void showSummary(reports::SummaryKind kind);
    void showWantList(const reports::WantListKind& kind);
    // A want list whose text comes from the function, given the gauge's step.
    using WantListText = std::function<QStringList(BatchProgress& progress)>;
    void showWantList(const reports::WantListKind& kind, const WantListText& text);
    void pointTable1At(const QString& tableName);
    reports::SummaryPanelView* m_summaryPanel = nullptr;
    std::unique_ptr<reports::ReportPreview> m_reportPreview;

    // ---- The windows beside the main window (src/app/island_windows.cpp): they read the tables
    // again after every command that wrote rows.
    void followTables();
    QPointer<maps::MapView> m_mapView;
    QPointer<SpotsView> m_spotsView;

    // ---- The batch commands (src/app/batch_command_entries.cpp).
    void createBatchCommands();
    std::unique_ptr<ExchangeCommands> m_exchange;
    std::unique_ptr<ListUpdateCommands> m_listUpdates;
    std::unique_ptr<LogImportCommands> m_logImports;
    std::unique_ptr<BackupCommands> m_backups;
    std::unique_ptr<QslCardCommands> m_cards;

    // ---- The backup of Edit Mode (src/register/commands.cpp).
    backup::EditModeBackup m_editModeBackup;
};
