#include "app/main_window.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <utility>
#include <vector>

namespace {

// One entry of the main menu: a command, or a submenu holding further entries.
struct MenuEntry {
    const char* name;
    const char* caption;
    QAction* TForm1::*command;
    QMenu* TForm1::*submenu;
    std::vector<MenuEntry> entries;
};

MenuEntry command(const char* name, const char* caption, QAction* TForm1::*action) {
    return {name, caption, action, nullptr, {}};
}

MenuEntry submenu(const char* name, const char* caption, QMenu* TForm1::*menu, std::vector<MenuEntry> entries) {
    return {name, caption, nullptr, menu, std::move(entries)};
}

const std::vector<MenuEntry>& mainMenu() {
    static const std::vector<MenuEntry> entries{
        submenu("Groups", "&1 Show Groups", &TForm1::Groups,
                {
                    submenu("ArticIslands1", "&Artic Islands", &TForm1::ArticIslands1,
                            {
                                command("Europe2", "&Europe", &TForm1::Europe2),
                                command("Asia2", "&Asia", &TForm1::Asia2),
                                command("Northamerica2", "&Northamerica", &TForm1::Northamerica2),
                            }),
                    command("BritishIsles1", "&British Isles", &TForm1::BritishIsles1),
                    submenu("WestIndies1", "&West Indies", &TForm1::WestIndies1,
                            {
                                command("Northamerica3", "&Northamerica", &TForm1::Northamerica3),
                                command("Southamerica2", "&Southamerica", &TForm1::Southamerica2),
                            }),
                }),
        submenu("Summary", "&2 Summary", &TForm1::Summary,
                {
                    command("GroupAwards1", "&Group Awards", &TForm1::GroupAwards1),
                    command("ContinentalAwards1", "&Continental Awards", &TForm1::ContinentalAwards1),
                }),
        // The island lists and want lists below these submenus come from the reports' own tables.
        submenu("Reports", "&3 Reports", &TForm1::Reports,
                {
                    command("PrintSummary1", "Print &Summary", &TForm1::PrintSummary1),
                    submenu("PrintGroupsummary1", "Print &Group summary", &TForm1::PrintGroupsummary1, {}),
                    submenu("PrintContinentalsummary1", "Print &Continental summary", &TForm1::PrintContinentalsummary1,
                            {}),
                    submenu("WantListshort1", "&Want List (short)", &TForm1::WantListshort1, {}),
                }),
        command("ClaimAward", "&4 Claim Award", &TForm1::ClaimAward),
        command("N5ImportUPF1", "&5 Import UPF", &TForm1::N5ImportUPF1),
        submenu("N6UpdateMasterIndex1", "&6 Update Database", &TForm1::N6UpdateMasterIndex1,
                {
                    command("viaInternet1", "... via Internet", &TForm1::viaInternet1),
                    command("fromFile1", "... from File", &TForm1::fromFile1),
                    command("fromIotaList1", "... from IOTA list (JSON)", &TForm1::fromIotaList1),
                }),
        command("N7HQImport1", "&7 HQ Import", &TForm1::N7HQImport1),
        // The commands beyond the seven menus of the checkpoint's program share one menu: the
        // window's fixed width holds no more.
        submenu("More1", "&8 More", &TForm1::More1,
                {
                    command("N8ImportADIF1", "Import &ADIF", &TForm1::N8ImportADIF1),
                    command("N9Backups1", "&Backups", &TForm1::N9Backups1),
                    command("Map1", "&Map", &TForm1::Map1),
                    command("Spots1", "DX cluster &Spots", &TForm1::Spots1),
                }),
    };
    return entries;
}

// Builds the entries into the menu bar or a menu. A submenu and the entry that opens it carry
// the same name, so both can be found by it.
void addEntries(TForm1& form, QWidget& container, const std::vector<MenuEntry>& entries) {
    for (const MenuEntry& entry : entries) {
        const QString caption = QString::fromLatin1(entry.caption);
        QAction* action = nullptr;
        if (entry.submenu) {
            QMenu* menu = form.*entry.submenu = new QMenu(caption, &form);
            menu->setObjectName(QLatin1String(entry.name));
            addEntries(form, *menu, entry.entries);
            action = menu->menuAction();
        } else {
            action = form.*entry.command = new QAction(caption, &form);
        }
        action->setObjectName(QLatin1String(entry.name));
        container.addAction(action);
    }
}

}  // namespace

void TForm1::createMainMenu() {
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    // Eight menus share the fixed width of the window: narrower margins keep them all in view
    // instead of behind the overflow button.
    MainMenu1->setStyleSheet(QStringLiteral("QMenuBar { spacing: 0px; } QMenuBar::item { padding: 2px 4px; }"));
    addEntries(*this, *MainMenu1, mainMenu());
    setMenuBar(MainMenu1);
}
