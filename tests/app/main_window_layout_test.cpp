#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include "support/gui_fixture.h"

namespace {

struct Captioned {
    const char* name;
    const char* caption;
};

const Captioned kButtons[] = {
    {"AfricaButton", "&Africa"},
    {"AntarcticaButton", "Anta&rctica"},
    {"AsiaButton", "A&sia"},
    {"EuropeButton", "&Europe"},
    {"NorthamericaButton", "&N. America"},
    {"OceaniaButton", "&Oceania"},
    {"SouthamericaButton", "&S. America"},
    {"MyDetailsButton", "&My Details"},
    {"ImportButton", "&Im&port from CP"},
    {"ExportButton", "Expo&rt to CP"},
    {"EditMode", "Edit Mode"},
    {"RadioButton1", "all"},
    {"RadioButton2", "A/C"},
    {"RadioButton3", "C"},
    {"RadioButton4", "A"},
    {"RadioButton5", "D"},
    {"RadioButton6", "need (-)"},
    {"RadioButton7", "W"},
    {"RadioButton8", "A/C/W"},
    {"RadioButton9", "need (-/W)"},
    {"RadioButton10", "/Call (Update!)"},
    {"SpeedButton1", "A&wards"},
    {"InfoButton", "&Info"},
    {"HelpButton", "&Help"},
    {"ExitButton", "E&xit"},
};

const Captioned kBoxes[] = {
    {"GroupBox1", "Display selection"},
    {"GroupBox2", "Modify/Import/Export"},
    {"RadioGroup1", "Display mode (Status)"},
    {"GroupBox3", ""},
};

struct MenuPlace {
    const char* name;
    const char* caption;
    const char* menu;  // the entry's menu; empty on the menu bar
};

const MenuPlace kMenuEntries[] = {
    {"Groups", "&1 Show Groups", ""},
    {"ArticIslands1", "&Artic Islands", "Groups"},
    {"Europe2", "&Europe", "ArticIslands1"},
    {"Asia2", "&Asia", "ArticIslands1"},
    {"Northamerica2", "&Northamerica", "ArticIslands1"},
    {"BritishIsles1", "&British Isles", "Groups"},
    {"WestIndies1", "&West Indies", "Groups"},
    {"Northamerica3", "&Northamerica", "WestIndies1"},
    {"Southamerica2", "&Southamerica", "WestIndies1"},
    {"Summary", "&2 Summary", ""},
    {"GroupAwards1", "&Group Awards", "Summary"},
    {"ContinentalAwards1", "&Continental Awards", "Summary"},
    {"Reports", "&3 Reports", ""},
    {"PrintSummary1", "Print &Summary", "Reports"},
    {"PrintGroupsummary1", "Print &Group summary", "Reports"},
    {"PrintContinentalsummary1", "Print &Continental summary", "Reports"},
    {"WantListshort1", "&Want List (short)", "Reports"},
    {"ClaimAward", "&4 Claim Award", ""},
    {"N5ImportUPF1", "&5 Import UPF", ""},
    {"N6UpdateMasterIndex1", "&6 Update Database", ""},
    {"viaInternet1", "... via Internet", "N6UpdateMasterIndex1"},
    {"fromFile1", "... from File", "N6UpdateMasterIndex1"},
    {"fromIotaList1", "... from IOTA list (JSON)", "N6UpdateMasterIndex1"},
    {"N7HQImport1", "&7 HQ Import", ""},
    {"More1", "&8 More", ""},
    {"N8ImportADIF1", "Import &ADIF", "More1"},
    {"N9Backups1", "&Backups", "More1"},
    {"Map1", "&Map", "More1"},
    {"Spots1", "DX cluster &Spots", "More1"},
};

QList<QAction*> entriesOf(TForm1& form, const QString& menu) {
    if (menu.isEmpty()) return form.MainMenu1->actions();
    QMenu* submenu = form.findChild<QMenu*>(menu);
    return submenu ? submenu->actions() : QList<QAction*>();
}

}  // namespace

TEST_F(GuiTest, ControlsAndMenusCarryTheirNamesAndCaptions) {
    setOwner(QStringLiteral("DL1ABC"), QStringLiteral("4711"));
    auto form = startForm();

    for (const Captioned& button : kButtons) {
        auto* control = form->findChild<QAbstractButton*>(QLatin1String(button.name));
        ASSERT_NE(control, nullptr) << button.name;
        EXPECT_EQ(control->text(), QString::fromLatin1(button.caption)) << button.name;
    }
    for (const Captioned& box : kBoxes) {
        auto* control = form->findChild<QGroupBox*>(QLatin1String(box.name));
        ASSERT_NE(control, nullptr) << box.name;
        EXPECT_EQ(control->title(), QString::fromLatin1(box.caption)) << box.name;
    }
    for (const MenuPlace& entry : kMenuEntries) {
        auto* action = form->findChild<QAction*>(QLatin1String(entry.name));
        ASSERT_NE(action, nullptr) << entry.name;
        EXPECT_EQ(action->text(), QString::fromLatin1(entry.caption)) << entry.name;
        EXPECT_TRUE(entriesOf(*form, QLatin1String(entry.menu)).contains(action)) << entry.name << " in " << entry.menu;
    }
    EXPECT_EQ(form->MainMenu1->actions().size(), 8);

    EXPECT_EQ(form->LJumpTo->text(), QStringLiteral("Jump to"));
    EXPECT_EQ(form->JumpTo->maxLength(), 4);
    EXPECT_EQ(form->JumpTo->toolTip(), QStringLiteral("Enter number, double-click to clear"));
}

TEST_F(GuiTest, EveryControlShownAtStartLiesInsideTheClientArea) {
    setOwner(QStringLiteral("DL1ABC"), QStringLiteral("4711"));
    auto form = startForm();
    form->show();

    const QRect client = form->centralWidget()->rect();
    const QList<QWidget*> controls = form->centralWidget()->findChildren<QWidget*>();
    ASSERT_FALSE(controls.isEmpty());
    for (QWidget* control : controls) {
        if (!control->isVisible() || control->objectName().isEmpty()) continue;
        const QRect place(control->mapTo(form->centralWidget(), QPoint(0, 0)), control->size());
        EXPECT_TRUE(client.contains(place)) << control->objectName().toStdString();
    }
}
