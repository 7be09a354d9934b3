// The QSL card of the island record double-clicked in the list.
#include <QAction>
#include <QMenu>
#include <algorithm>

#include "app/main_window.h"
#include "register/codes.h"
#include "register/list_grid_model.h"

namespace {

// My Details and the award list have no cards.
bool isIslandTable(const QString& tableName) {
    return std::ranges::any_of(continents(),
                               [&](const Continent& continent) { return continent.tableName == tableName; });
}

}  // namespace

void TForm1::DBGrid1DblClick() {
    if (!isIslandTable(Table1.TableName())) return;
    QSLPanel->show();
    setCardMenusEnabled(false);
    // Every island view lists the reference in its first column.
    QSLPanel->showCard(Table1.FieldByName(m_gridModel->columns().value(0)).AsString());
}

// "&7 HQ Import" stays usable while a card is on show.
void TForm1::setCardMenusEnabled(bool enabled) {
    for (QAction* menu : {Groups->menuAction(), Summary->menuAction(), Reports->menuAction(), ClaimAward, N5ImportUPF1,
                          N6UpdateMasterIndex1->menuAction()})
        menu->setEnabled(enabled);
}
