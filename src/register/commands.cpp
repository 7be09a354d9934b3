// The island register's commands of the main window: continent and group views, record
// editing, the owner details view, and the data-aware list and panels they drive.
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "app/main_window.h"
#include "register/codes.h"
#include "register/display_modes.h"
#include "register/editing_rules.h"
#include "register/list_grid_model.h"
#include "register/owner_table.h"
#include "register/record_panel.h"
#include "register/status_dialog.h"
#include "register/store/table_names.h"
#include "window/control_properties.h"
#include "window/dialogs.h"
#include "window/splash_view.h"

namespace {

const QStringList kContinentColumns{kIotaField, kPrefixField, kIslandField, kCallField, kStatusField, kCommentField};
const QStringList kGroupColumns{kIotaField, kGroupField,  kPrefixField, kIslandField,
                                kCallField, kStatusField, kCommentField};
const QString kPublicRows = QStringLiteral("Permission = 'public'");

bool isOwnerTable(const QString& tableName) {
    return tableName == kOwnerTable;
}

}  // namespace

// The view button handlers, one per continent in the order of continents().
void TForm1::AfricaButtonClick() {
    showContinent(continents()[0].tableName);
}
void TForm1::AntarcticaButtonClick() {
    showContinent(continents()[1].tableName);
}
void TForm1::AsiaButtonClick() {
    showContinent(continents()[2].tableName);
}
void TForm1::EuropeButtonClick() {
    showContinent(continents()[3].tableName);
}
void TForm1::NorthamericButtonClick() {
    showContinent(continents()[4].tableName);
}
void TForm1::OceaniaButtonClick() {
    showContinent(continents()[5].tableName);
}
void TForm1::SouthamericaButtonClick() {
    showContinent(continents()[6].tableName);
}

void TForm1::showContinent(const QString& tableName) {
    SplashScope splash;
    IotaDBCtrlGrid->hide();
    Table1.Close();
    ClaimAwardDBCtrlGrid->hide();
    unbindAwardPanel();
    Table1.setFiltered(false);
    Table1.setFilter(QString());
    unbindOwnerPanel();
    DBGrid1->show();
    Table1.setTableName(tableName);
    showHint(DBGrid1, true);
    CurrentGroup.clear();
    // The view opens the table, then filters it: the list lays out the filtered records only.
    Table1.withControlsDisabled([this] {
        IotaEdit();
        CheckFilter();
        Table1.Open();
    });
    checkViewButtonOf(tableName);
    focusList();
}

void TForm1::checkViewButtonOf(const QString& tableName) {
    for (size_t i = 0; i < continents().size(); ++i)
        if (continents()[i].tableName == tableName) viewButtons()[i]->setChecked(true);
}

void TForm1::IotaEdit() {
    setGridColumns(kContinentColumns);
    MyDetailsDBCtrlGrid->hide();
    IotaDBCtrlGrid->hide();
    const std::pair<QWidget*, QLatin1StringView> fields[] = {
        {IotaID, kIotaField},   {Island_name, kIslandField}, {Prefix, kPrefixField},
        {Callsign, kCallField}, {Comment, kCommentField},    {StatusDBComboBox, kStatusField},
    };
    for (const auto& [control, field] : fields) m_bindings->bind(control, field);
    EditChange();
}

void TForm1::EditChange() {
    ClaimAwardDBCtrlGrid->hide();
    unbindAwardPanel();
    EditMode->setEnabled(true);
    const bool owner = isOwnerTable(Table1.TableName());
    const bool editing = EditMode->isChecked();
    if (editing || owner) {
        for (QRadioButton* button : radioButtons()) button->setEnabled(false);
        showJumpTo(true);
        JumpTo->clear();
        if (!owner) Table1.setFiltered(false);
        if (owner) {
            Table1.setFilter(editing ? kPublicRows : QString());
            Table1.setFiltered(editing);
            showJumpTo(false);
        }
    } else {
        for (QRadioButton* button : radioButtons()) button->setEnabled(true);
        selectRadioButton1();
        Table1.setFiltered(false);
        showJumpTo(false);
    }
    (owner ? MyDetailsDBCtrlGrid : IotaDBCtrlGrid)->setVisible(editing);
    if (Table1.TableName() == kAwardsTable) {
        Table1.setFilter(QString());
        Table1.setFiltered(false);
    }
    Table1.Close();
    Table1.setReadOnly(!editing);
    Table1.Open();
}

void TForm1::CheckFilter() {
    const DisplayMode& mode = displayModes()[size_t(selectedDisplayMode())];
    if (CurrentGroup.isEmpty()) {
        if (EditMode->isChecked()) return;
        GroupLabel->hide();
        Table1.setFilter(mode.continentFilter);
        // Under a filter already, the new filter has read its records once: no second reading.
        if (!Table1.Filtered()) Table1.setFiltered(true);
        return;
    }
    GroupLabel->show();
    Table1.Close();
    clearEditMode();
    setGridColumns(kGroupColumns);
    if (const auto filter = groupFilter(mode, CurrentGroup)) Table1.setFilter(*filter);
    Table1.setFiltered(true);
    Table1.Open();
}

// The group view handlers, one per row of groupViews().
void TForm1::Europe2Click() {
    showGroupView(0);
}
void TForm1::Asia2Click() {
    showGroupView(1);
}
void TForm1::Northamerica2Click() {
    showGroupView(2);
}
void TForm1::BritishIsles1Click() {
    showGroupView(3);
}
void TForm1::Northamerica3Click() {
    showGroupView(4);
}
void TForm1::Southamerica2Click() {
    showGroupView(5);
}

void TForm1::showGroupView(int view) {
    const GroupView& group = groupViews()[size_t(view)];
    selectRadioButton1();
    EditMode->setChecked(false);
    DBGrid1->hide();
    unbindOwnerPanel();
    Table1.Close();
    Table1.setTableName(group.tableName);
    EditChange();
    GroupShow(group.groupCode);
    checkViewButtonOf(group.tableName);
    CurrentGroup = group.groupCode;
    focusList();
}

void TForm1::GroupShow(const QString& groupCode) {
    clearEditMode();
    MyDetailsDBCtrlGrid->hide();
    setGridColumns(kGroupColumns);
    DBGrid1->show();
    Table1.setFilter(QStringLiteral("ABW = ") + store::quoted(groupCode));
    Table1.setFiltered(true);
    Table1.Open();
    GroupLabel->show();
}

void TForm1::EditModeClick() {
    EditChange();
    m_editModeBackup.follow(EditMode->isChecked(), Database1, m_clock);
    selectRadioButton1();
}

void TForm1::CallsignEnter() {
    if (!Table1.Active() || Table1.RecNo() < 0 || Table1.ReadOnly()) return;
    SavedStatus = Table1.FieldByName(kStatusField).AsString();
    SavedCall = Table1.FieldByName(kCallField).AsString();
    Table1.Edit();
    Table1.FieldByName(kCallField).setAsString(QString());
    setControlText(Callsign, QString());
}

void TForm1::CallsignExit() {
    if (!Table1.Active() || Table1.RecNo() < 0 || Table1.ReadOnly()) return;
    Table1.Edit();
    const QString typed = Table1.FieldByName(kCallField).AsString();
    std::optional<StatusAnswer> answer;
    if (!typed.isEmpty()) {
        TStatus_Form dialog(this);
        answer = TStatus_Form::answerOf(m_dialogs.exec(dialog));
    }
    const CallAndStatus record = callsignExit(typed, {SavedCall, SavedStatus}, answer);
    Table1.FieldByName(kCallField).setAsString(record.call);
    Table1.FieldByName(kStatusField).setAsString(record.status);
    Table1.Post();
}

void TForm1::StatusDBComboBoxEnter() {
    if (!Table1.Active() || Table1.RecNo() < 0) return;
    SavedStatus = Table1.FieldByName(kStatusField).AsString();
}

void TForm1::StatusDBComboBoxExit() {
    if (!Table1.Active() || Table1.RecNo() < 0 || Table1.ReadOnly()) return;
    auto record = [this] {
        return CallAndStatus{Table1.FieldByName(kCallField).AsString(), Table1.FieldByName(kStatusField).AsString()};
    };
    if (needsCallsignFirst(record())) {
        m_dialogs.message(QStringLiteral("Warning!"),
                          QStringLiteral("To choose this status you have to enter a callsign first!"),
                          QMessageBox::Critical, QMessageBox::Ok);
        Table1.Edit();
        Table1.FieldByName(kStatusField).setAsString(status::Needed);
        Table1.Post();
    }
    if (deletesCallsign(record())) {
        const auto answer = m_dialogs.message(
            QStringLiteral("Warning!"), QStringLiteral("If you choose this status callsign will be deleted also!"),
            QMessageBox::Critical, QMessageBox::Ok | QMessageBox::Cancel);
        Table1.Edit();
        if (answer == QMessageBox::Ok)
            Table1.FieldByName(kCallField).setAsString(QString());
        else
            Table1.FieldByName(kStatusField).setAsString(SavedStatus);
        Table1.Post();
    }
    Table1.Edit();
}

void TForm1::JumpToChange() {
    if (!Table1.Active()) Table1.Open();
    Table1.setFiltered(false);
    const int recordCount = Table1.RecordCount();
    Table1.setFiltered(true);
    const auto reference = jumpReference(JumpTo->text(), Table1.TableName(), recordCount);
    if (!reference) {
        JumpTo->clear();
        Table1.setFiltered(false);
        return;
    }
    Table1.Close();
    Table1.setFilter(QStringLiteral("IOTA = ") + store::quoted(*reference));
    Table1.setFiltered(true);
    Table1.Open();
}

void TForm1::JumpToDblClick() {
    JumpTo->clear();
}

void TForm1::DeleteCurrentRecord() {
    if (!Table1.Active() || Table1.ReadOnly() || Table1.RecNo() < 0) return;
    const auto answer = m_dialogs.message(QStringLiteral("Confirm"), QStringLiteral("Delete record?"),
                                          QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel);
    if (answer == QMessageBox::Ok) Table1.Delete();
}

// Scrolling the panel leaves the record as choosing another row does: the field's exit rules run
// on the record left, its enter rules on the record reached, the focus staying in the field.
void TForm1::scrollRecordPanel(QWidget* field, int step) {
    if (!Table1.Active() || Table1.RecNo() < 0) return;
    leaveField(field);
    const int row = Table1.RecNo() + step;
    if (row < 0 || row >= Table1.RecordCount()) return;
    Table1.MoveTo(row);
    enterField(field);
}

bool TForm1::inRecordPanel(const QWidget* control) const {
    for (const QWidget* panel : {IotaDBCtrlGrid, MyDetailsDBCtrlGrid, ClaimAwardDBCtrlGrid})
        if (control == panel || panel->isAncestorOf(control)) return true;
    return false;
}

void TForm1::MyDetailsButtonClick() {
    SplashScope splash;
    Table1.Close();
    ClaimAwardDBCtrlGrid->hide();
    unbindAwardPanel();
    MyDetailsDBCtrlGrid->hide();
    IotaDBCtrlGrid->hide();
    Table1.setFiltered(false);
    Table1.setFilter(QString());
    showHint(DBGrid1, false);
    unbindIslandPanel();
    setGridColumns(owner::listColumns());
    DBGrid1->show();
    Table1.setTableName(kOwnerTable);
    Table1.setFilter(QString());
    Table1.setReadOnly(false);
    Table1.Open();
    m_bindings->bind(DBEdit1, kValueField);
    m_bindings->bind(DBText1, kNameField);
    CurrentGroup.clear();
    EditChange();
    MyDetailsButton->setChecked(true);
    focusList();
}

void TForm1::unbindAwardPanel() {
    for (QWidget* control : {static_cast<QWidget*>(DBText2), static_cast<QWidget*>(AwardNumberDBComboBox),
                             static_cast<QWidget*>(DateDBEdit)})
        m_bindings->bind(control, QString());
}

void TForm1::unbindOwnerPanel() {
    for (QWidget* control : {static_cast<QWidget*>(DBEdit1), static_cast<QWidget*>(DBText1)})
        m_bindings->bind(control, QString());
}

void TForm1::unbindIslandPanel() {
    for (QWidget* control : islandPanelControls()) m_bindings->bind(control, QString());
}

std::array<QWidget*, 6> TForm1::islandPanelControls() const {
    return {IotaID, Island_name, Prefix, Callsign, Comment, StatusDBComboBox};
}

// Jump to stands in the place of the import and export buttons.
void TForm1::showJumpTo(bool shown) {
    LJumpTo->setVisible(shown);
    JumpTo->setVisible(shown);
    ImportButton->setVisible(!shown);
    ExportButton->setVisible(!shown);
}

int TForm1::selectedDisplayMode() const {
    const auto buttons = radioButtons();
    for (int i = 0; i < int(buttons.size()); ++i)
        if (buttons[size_t(i)]->isChecked()) return i;
    return 0;
}

void TForm1::selectRadioButton1() {
    RadioButton1->setChecked(true);
}

// The bound controls of the record panels, the fields whose entering and leaving the window
// watches, and the list following the handle.
void TForm1::bindRecordControls() {
    m_bindings = new RecordPanelBindings(Table1, this);
    for (QWidget* control : islandPanelControls()) m_bindings->manage(control, control != IotaID);
    for (QWidget* control :
         {static_cast<QWidget*>(DBEdit1), static_cast<QWidget*>(DBText1), static_cast<QWidget*>(DBText2),
          static_cast<QWidget*>(AwardNumberDBComboBox), static_cast<QWidget*>(DateDBEdit)})
        m_bindings->manage(control);
    for (QWidget* control :
         {static_cast<QWidget*>(Callsign), static_cast<QWidget*>(StatusDBComboBox), static_cast<QWidget*>(Comment),
          static_cast<QWidget*>(Island_name), static_cast<QWidget*>(Prefix), static_cast<QWidget*>(DBEdit1),
          static_cast<QWidget*>(DateDBEdit), static_cast<QWidget*>(AwardNumberDBComboBox),
          static_cast<QWidget*>(JumpTo), static_cast<QWidget*>(DBGrid1), static_cast<QWidget*>(IotaDBCtrlGrid),
          static_cast<QWidget*>(MyDetailsDBCtrlGrid), static_cast<QWidget*>(ClaimAwardDBCtrlGrid)})
        control->installEventFilter(this);

    // Callsigns are written in capitals, whatever is typed.
    connect(Callsign, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int cursor = Callsign->cursorPosition();
        Callsign->setText(text.toUpper());
        Callsign->setCursorPosition(cursor);
    });
    connect(&Table1, &store::Table::currentChanged, this, &TForm1::followCurrentRecord);
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& row) {
        if (m_followingTable || !row.isValid()) return;
        runCommand([this, row = row.row()] { Table1.MoveTo(row); });
    });
}

// The list's selection follows the record the handle stands on.
void TForm1::followCurrentRecord(int row) {
    m_followingTable = true;
    if (row >= 0)
        DBGrid1->selectRow(row);
    else
        DBGrid1->clearSelection();
    m_followingTable = false;
}

void TForm1::enterField(QWidget* control) {
    if (control == Callsign) runCommand([this] { CallsignEnter(); });
    if (control == StatusDBComboBox) runCommand([this] { StatusDBComboBoxEnter(); });
}

// A bound control hands its text to the record first; then the field's own rules run.
void TForm1::leaveField(QWidget* control) {
    runCommand([this, control] {
        m_bindings->writeToRecord(control);
        if (control == Callsign) CallsignExit();
        if (control == StatusDBComboBox) StatusDBComboBoxExit();
    });
}

// The arrow keys pick the next record at once.
void TForm1::focusList() {
    DBGrid1->setFocus(Qt::OtherFocusReason);
}
