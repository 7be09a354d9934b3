// Connects the QSL card panel, the award list and claim view and the "&Info" button to their commands.
#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTableView>

#include "app/error_box.h"
#include "app/main_window.h"

void TForm1::connectCardClaimAndInfoCommands() {
    const auto command = [this](void (TForm1::*handler)()) {
        return [this, handler] { runCommand([this, handler] { (this->*handler)(); }); };
    };
    connect(SpeedButton1, &QPushButton::clicked, this, command(&TForm1::SpeedButton1Click));
    connect(InfoButton, &QPushButton::clicked, this, command(&TForm1::InfoButtonClick));
    connect(ClaimAward, &QAction::triggered, this, command(&TForm1::ClaimAwardClick));
    // Only choosing an item is a change; showing another record's number is not.
    connect(AwardNumberDBComboBox, &QComboBox::activated, this, command(&TForm1::AwardNumberDBComboBoxChange));
    connect(DBGrid1, &QTableView::doubleClicked, this, command(&TForm1::DBGrid1DblClick));

    // A picture that cannot be loaded is reported while the panel stays open.
    connect(QSLPanel, &QslCardPanel::failed, this,
            [this](const QString& message) { showErrorBox(m_dialogs, message); });
    connect(QSLPanel, &QslCardPanel::closed, this, [this] { setCardMenusEnabled(true); });
}
