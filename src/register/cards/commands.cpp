// The QSL card of the island record double-clicked in the list.
#include <QAction>
#include <QMenu>
#include <algorithm>

#include "app/error_box.h"
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

// A picture that cannot be loaded is reported while the panel stays open; closing the panel
// gives the menus back.
void TForm1::watchCardPanel() {
    connect(QSLPanel, &QslCardPanel::failed, this,
            [this](const QString& message) { showErrorBox(m_dialogs, message); });
    connect(QSLPanel, &QslCardPanel::closed, this, [this] { setCommandMenusEnabled(true); });
}
