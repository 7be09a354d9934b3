// Connects the QSL card panel, the award list and claim view and the "&Info" button to their commands.
#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTableView>

#include "app/error_box.h"
#include "app/main_window.h"

void TForm1::connectCardClaimAndInfoCommands() {
    connectCommand(SpeedButton1, &QPushButton::clicked, &TForm1::SpeedButton1Click);
    connectCommand(InfoButton, &QPushButton::clicked, &TForm1::InfoButtonClick);
    connectCommand(ClaimAward, &QAction::triggered, &TForm1::ClaimAwardClick);
    // Only choosing an item is a change; showing another record's number is not.
    connectCommand(AwardNumberDBComboBox, &QComboBox::activated, &TForm1::AwardNumberDBComboBoxChange);
    connectCommand(DBGrid1, &QTableView::doubleClicked, &TForm1::DBGrid1DblClick);

    // A picture that cannot be loaded is reported while the panel stays open.
    connect(QSLPanel, &QslCardPanel::failed, this,
            [this](const QString& message) { showErrorBox(m_dialogs, message); });
    connect(QSLPanel, &QslCardPanel::closed, this, [this] { setCommandMenusEnabled(true); });
}
