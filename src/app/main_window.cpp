#include "app/main_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <initializer_list>
#include <optional>
#include <utility>

#include "app/accessible_names.h"
#include "app/help_view.h"
#include "backup/commands.h"
#include "exchange/commands.h"
#include "listupdate/commands.h"
#include "logimport/commands.h"
#include "register/cards/commands.h"
#include "register/delivered_data.h"
#include "register/list_grid_model.h"
#include "register/owner_table.h"
#include "register/record_panel.h"
#include "register/start_state.h"
#include "register/store/table_names.h"
#include "window/application_title.h"
#include "window/control_properties.h"
#include "window/dialogs.h"
#include "window/error_box.h"
#include "window/gauge_view.h"
#include "window/splash_view.h"

namespace {

const QString kHelpContents = QStringLiteral("Contents");

}  // namespace

TForm1::TForm1(Paths paths, Dialogs& dialogs, Clock& clock, Shell& shell, QWidget* parent)
    : QMainWindow(parent),
      Table1(Database1),
      m_paths(std::move(paths)),
      m_dialogs(dialogs),
      m_clock(clock),
      m_shell(shell) {
    createControls();
    createMainMenu();
    createBatchCommands();
    createReportViews();
    bindRecordControls();
    connectCommands();
    nameControlsAccessibly(*this);
    runCommand([this] { FormCreate(); });
}

TForm1::~TForm1() {
    // The list grid reads Table1, so it goes before the handle does.
    delete DBGrid1;
    delete m_gridModel;
}

void TForm1::FormCreate() {
    HelpFile = kHelpFileName;
    InternetPanel->hide();
    // The splash goes at the end of the counting, or earlier when a failure ends the start-up.
    std::optional<SplashScope> splash(std::in_place);
    Database1.setPath(m_paths.dataFolder());

    QSLPanel->hide();
    showHint(DBGrid1, false);
    JumpTo->hide();
    LJumpTo->hide();
    selectAllRecordsMode();
    GroupSummary->hide();
    QuickRep1.enabled = false;
    unbindOwnerPanel();
    MyDetailsDBCtrlGrid->hide();
    unbindIslandPanel();
    IotaDBCtrlGrid->hide();
    DBGrid1->hide();

    countStartTables(Table1, StartCounts);
    removeAbandonedBuildFolders(Database1.path());
    clearEditMode();
    CurrentGroup.clear();
    GroupLabel->hide();
    splash.reset();

    pointAtOwnerRow(kCallsignRow);
    DBGrid1->show();
    Table1.Open();
    readOwner();
    DBGrid1->hide();
    Table1.Close();
    Table1.setFilter(QString());
    Table1.setTableName(QString());
    Table1.setFiltered(false);

    setReportPageHeaders();
    m_started = true;
}

// The callsign decides whether the owner is known; without one the first-run setup asks.
void TForm1::readOwner() {
    const QString callsign = owner::currentValue(Table1);
    if (callsign.isEmpty()) {
        UpdateMyDetails();
        return;
    }
    OwnerCallsign = callsign;
    owner::pointAtRow(Table1, kDirectoryNoRow);
    Table1.Open();
    OwnerDirectoryNo = owner::currentValue(Table1);
}

void TForm1::pointAtOwnerRow(const QString& name) {
    owner::pointAtRow(Table1, name);
    Table1.setReadOnly(false);
    setGridColumns(owner::listColumns());
}

void TForm1::setReportPageHeaders() {
    const reports::PageHeaderCaptions header = reports::ownerPageHeader(OwnerCallsign, OwnerDirectoryNo);
    QuickRep1.QRLabel7 = header.left;
    QuickRep1.QRLabel8 = header.right;
    QuickRep2.QRLabel10 = header.left;
    QuickRep2.QRLabel11 = header.right;
}

void TForm1::LockMainWindow() {
    ClaimAwardDBCtrlGrid->hide();
    unbindAwardPanel();
    IotaDBCtrlGrid->hide();
    MyDetailsDBCtrlGrid->hide();
    RadioGroup1->setEnabled(false);
    GroupBox2->setEnabled(false);
    GroupBox3->setEnabled(false);
    DBGrid1->hide();
    releaseViewButtons();
    selectAllRecordsMode();
    clearEditMode();
}

void TForm1::UnlockMainWindow() {
    Progress->hide();
    resetGroupLabel();
    enableViewButtonsAndBoxes();
    Table1.setFiltered(false);
    selectAllRecordsMode();
}

void TForm1::ExitButtonClick() {
    close();
}

void TForm1::HelpButtonClick() {
    HelpView::showTopic(this, m_dialogs, m_paths.programFile(HelpFile), kHelpContents);
}

void TForm1::runCommand(const std::function<void()>& command) {
    // A command run by a step of another (a state change it makes) fails with that command.
    if (m_commandDepth > 0) {
        command();
        return;
    }
    ++m_commandDepth;
    const store::Database::WriteMark writtenBefore = Database1.writeMark();
    const bool done = runWithErrorBox(m_dialogs, command);
    // A failed command may have written rows before it failed: they are shown too.
    if (Database1.writeMark() != writtenBefore) runWithErrorBox(m_dialogs, [this] { followTables(); });
    --m_commandDepth;
    if (!done) giveWindowBack();
}

// After a failure the user gets a window to work with again, whatever step the command reached.
// Closing the table drops an edit the failed command left unposted.
void TForm1::giveWindowBack() {
    Table1.Close();
    LockMainWindow();
    UnlockMainWindow();
    JumpTo->hide();
    LJumpTo->hide();
    GroupSummary->hide();
    QSLPanel->hide();
    InternetPanel->hide();
    setExchangeButtonsEnabled(true);
    for (QAction* menu : MainMenu1->actions()) menu->setEnabled(true);
}

void TForm1::selectAllRecordsMode() {
    RadioButton1->setChecked(true);
    for (QRadioButton* button : radioButtons()) button->setEnabled(false);
}

// An exclusive group keeps one button down; it lets go only while exclusiveness is off.
void TForm1::putViewButtonsUp() {
    m_viewButtonGroup->setExclusive(false);
    for (QPushButton* button : viewButtons()) button->setChecked(false);
    m_viewButtonGroup->setExclusive(true);
}

void TForm1::clearEditMode() {
    EditMode->setChecked(false);
    EditMode->setEnabled(false);
}

void TForm1::setGridColumns(const QStringList& fieldNames) {
    m_gridModel->setColumns(fieldNames);
}

std::array<QPushButton*, 8> TForm1::viewButtons() const {
    return {AfricaButton,       AntarcticaButton, AsiaButton,         EuropeButton,
            NorthamericaButton, OceaniaButton,    SouthamericaButton, MyDetailsButton};
}

std::array<QRadioButton*, 10> TForm1::radioButtons() const {
    return {RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5,
            RadioButton6, RadioButton7, RadioButton8, RadioButton9, RadioButton10};
}

// The top-level menus that a panel on show closes; "&7 HQ Import" keeps its state.
void TForm1::setCommandMenusEnabled(bool enabled) {
    for (QAction* menu : {Groups->menuAction(), Summary->menuAction(), Reports->menuAction(), ClaimAward, N5ImportUPF1,
                          N6UpdateMasterIndex1->menuAction(), N8ImportADIF1, N9Backups1})
        menu->setEnabled(enabled);
}

void TForm1::releaseViewButtons() {
    putViewButtonsUp();
    for (QPushButton* button : viewButtons()) button->setEnabled(false);
}

void TForm1::enableViewButtonsAndBoxes() {
    for (QPushButton* button : viewButtons()) button->setEnabled(true);
    for (QGroupBox* box : {RadioGroup1, GroupBox2, GroupBox3}) box->setEnabled(true);
}

void TForm1::setExchangeButtonsEnabled(bool enabled) {
    ImportButton->setEnabled(enabled);
    ExportButton->setEnabled(enabled);
}

void TForm1::resetGroupLabel() {
    GroupLabel->hide();
    GroupLabel->setText(QStringLiteral("Groups"));
}
