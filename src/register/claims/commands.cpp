// The award list and the claim view, in which the user marks an award as claimed or not.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

#include "app/main_window.h"
#include "register/claims/award_claims.h"
#include "register/codes.h"
#include "register/record_panel.h"
#include "register/store/table_names.h"
#include "window/control_properties.h"

namespace {

const QStringList kAwardColumns{kAwardNameField, kAwardTitleField, kAwardNumberField, kAwardIssuedField};

}  // namespace

void TForm1::Awards() {
    // The hint about QSL cards belongs to the island views.
    showHint(DBGrid1, false);
    Table1.Close();
    setGridColumns({});
    unbindOwnerPanel();
    unbindIslandPanel();
    Table1.setTableName(kAwardsTable);
    setGridColumns(kAwardColumns);
    GroupLabel->hide();
    // No group is on show, and Edit Mode's own handler would enable the display modes again:
    // both go before "all" is selected, so no island filter reaches the award table.
    CurrentGroup.clear();
    clearEditMode();
    selectAllRecordsMode();
    putViewButtonsUp();
    IotaDBCtrlGrid->hide();
    MyDetailsDBCtrlGrid->hide();
    Table1.Close();
    Table1.setFiltered(false);
    Table1.setFilter(QString());
    DBGrid1->show();
    Table1.Open();
    repaint();
    focusList();
}

void TForm1::SpeedButton1Click() {
    ClaimAwardDBCtrlGrid->hide();
    m_bindings->bind(DBText2, QString());
    m_bindings->bind(AwardNumberDBComboBox, QString());
    Awards();
}

void TForm1::ClaimAwardClick() {
    setGridColumns({});
    unbindOwnerPanel();
    Awards();
    Table1.Close();
    Table1.setReadOnly(false);
    Table1.setFilter(kClaimViewFilter);
    Table1.setFiltered(true);
    Table1.Open();
    ClaimAwardDBCtrlGrid->show();
    m_bindings->bind(DBText2, kAwardNameField);
    m_bindings->bind(DateDBEdit, kAwardIssuedField);
    m_bindings->bind(AwardNumberDBComboBox, kAwardNumberField);
}

void TForm1::AwardNumberDBComboBoxChange() {
    // Choosing an item puts it into the record being edited before this handler runs.
    m_bindings->writeToRecord(AwardNumberDBComboBox);
    setControlText(DateDBEdit, awardClaim(AwardNumberDBComboBox->currentText(), m_clock).Award_issued);
    // Leaving the record hands the date to it and posts it; the list is then read afresh.
    m_bindings->writeToRecord(DateDBEdit);
    Table1.Next();
    Table1.Close();
    Table1.setReadOnly(false);
    Table1.Open();
    // The next award to choose for is picked in the list, not in the date field.
    focusList();
}
