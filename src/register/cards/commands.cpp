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
    setCommandMenusEnabled(false);
    // Every island view lists the reference in its first column.
    QSLPanel->showCard(Table1.FieldByName(m_gridModel->columns().value(0)).AsString());
}
