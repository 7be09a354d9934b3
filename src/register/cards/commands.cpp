#include "register/cards/commands.h"

#include <algorithm>

#include "register/cards/qsl_card_panel.h"
#include "register/codes.h"
#include "register/store/table.h"
#include "register/store/table_names.h"
#include "window/command_window.h"
#include "window/error_box.h"

namespace {

// My Details and the award list have no cards.
bool isIslandTable(const QString& tableName) {
    return std::ranges::any_of(continents(),
                               [&](const Continent& continent) { return continent.tableName == tableName; });
}

}  // namespace

QslCardCommands::QslCardCommands(CommandWindow& window, QslCardPanel& panel) : m_window(window), m_panel(panel) {
    QObject::connect(&m_panel, &QslCardPanel::failed, &m_panel,
                     [this](const QString& message) { showErrorBox(m_window.dialogs(), message); });
    QObject::connect(&m_panel, &QslCardPanel::closed, &m_panel, [this] { m_window.setCommandMenusEnabled(true); });
}

void QslCardCommands::showCard() {
    store::Table& table = m_window.table();
    if (!isIslandTable(table.TableName())) return;
    m_panel.show();
    m_window.setCommandMenusEnabled(false);
    m_panel.showCard(table.FieldByName(kIotaField).AsString());
}
