#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "register/list_grid_model.h"
#include "support/gui_fixture.h"

namespace {

const QStringList kContinentColumns{"IOTA", "Prefix", "Island", "Call", "Status", "Comment"};
const QStringList kGroupColumns{"IOTA", "ABW", "Prefix", "Island", "Call", "Status", "Comment"};

// What a view leaves behind: the handle's settings and the state of the controls around the list.
struct ViewState {
    QString table;
    QString filter;  // empty: not filtered
    bool readOnly;
    bool radioButtonsEnabled;
    int selectedRadioButton;
    bool editModeEnabled;
    bool editModeTicked;
    QStringList columns;
    bool groupLabelShown;
};

ViewState stateOf(const TForm1& form) {
    int selected = 0;
    for (int i = 0; i < 10; ++i)
        if (form.radioButtons()[size_t(i)]->isChecked()) selected = i + 1;
    return {form.Table1.TableName(),
            form.Table1.Filtered() ? form.Table1.Filter() : QString(),
            form.Table1.ReadOnly(),
            form.RadioButton1->isEnabled(),
            selected,
            form.EditMode->isEnabled(),
            form.EditMode->isChecked(),
            static_cast<ListGridModel*>(form.DBGrid1->model())->columns(),
            !form.GroupLabel->isHidden()};
}

void expectView(const TForm1& form, const ViewState& expected, const std::string& after) {
    const ViewState actual = stateOf(form);
    EXPECT_EQ(actual.table, expected.table) << after;
    EXPECT_EQ(actual.filter, expected.filter) << after;
    EXPECT_EQ(actual.readOnly, expected.readOnly) << after;
    EXPECT_EQ(actual.radioButtonsEnabled, expected.radioButtonsEnabled) << after;
    EXPECT_EQ(actual.selectedRadioButton, expected.selectedRadioButton) << after;
    EXPECT_EQ(actual.editModeEnabled, expected.editModeEnabled) << after;
    EXPECT_EQ(actual.editModeTicked, expected.editModeTicked) << after;
    EXPECT_EQ(actual.columns, expected.columns) << after;
    EXPECT_EQ(actual.groupLabelShown, expected.groupLabelShown) << after;
    EXPECT_TRUE(form.Table1.Active()) << after;
    EXPECT_FALSE(form.DBGrid1->isHidden()) << after;
}

QStringList visibleReferences(TForm1& form) {
    QStringList references;
    const int column = form.Table1.fieldIndex("IOTA");
    for (int row = 0; row < form.Table1.RecordCount(); ++row) references << form.Table1.valueAt(row, column);
    return references;
}

class ViewTest : public GuiTest {
protected:
    void SetUp() override {
        setOwner("DL1ABC", "4711");
        folder.execute(
            "UPDATE \"IOTA-EU\" SET ABW = 'B', Status = 'A', Call = 'G3A' WHERE IOTA = 'EU-005';"
            "UPDATE \"IOTA-EU\" SET ABW = 'B', Status = 'C', Call = 'EI7C' WHERE IOTA = 'EU-007';"
            "UPDATE \"IOTA-EU\" SET ABW = 'B', Status = 'W', Call = '/MM0W' WHERE IOTA = 'EU-115';"
            "UPDATE \"IOTA-EU\" SET ABW = 'A', Status = 'W', Call = 'SV8W' WHERE IOTA = 'EU-001';"
            "UPDATE \"IOTA-EU\" SET ABW = 'B' WHERE IOTA = 'EU-120';"
            "UPDATE \"IOTA-EU\" SET Status = 'D', Island = 'DELETED' WHERE IOTA = 'EU-002';");
        form = startForm();
        form->show();
    }

    std::unique_ptr<TForm1> form;
};

TEST_F(ViewTest, EveryResultingView) {
    const ViewState continent{"IOTA-EU", "Status <> 'U'", true, true, 1, true, false, kContinentColumns, false};
    press(*form, "EuropeButton");
    expectView(*form, continent, "continent view");
    EXPECT_TRUE(form->EuropeButton->isChecked());
    EXPECT_EQ(visibleReferences(*form), (QStringList{"EU-001", "EU-002", "EU-005", "EU-007", "EU-115"}));
    EXPECT_TRUE(form->IotaDBCtrlGrid->isHidden());
    EXPECT_EQ(form->DBGrid1->toolTip(), "To display QSL double-click!");

    press(*form, "RadioButton3");
    expectView(*form, {"IOTA-EU", "Status = 'C'", true, true, 3, true, false, kContinentColumns, false},
               "mode C in a continent view");
    EXPECT_EQ(visibleReferences(*form), QStringList{"EU-007"});
    press(*form, "RadioButton10");
    EXPECT_EQ(form->Table1.Filter(), "Call = '/*'");
    EXPECT_EQ(visibleReferences(*form), QStringList{"EU-115"});

    press(*form, "EditMode");
    expectView(*form, {"IOTA-EU", "", false, false, 1, true, true, kContinentColumns, false}, "Edit Mode ticked");
    EXPECT_FALSE(form->IotaDBCtrlGrid->isHidden());
    EXPECT_FALSE(form->JumpTo->isHidden());
    EXPECT_TRUE(form->ImportButton->isHidden()) << "Jump to stands in the place of the import button";
    EXPECT_EQ(form->Table1.RecordCount(), 140);

    press(*form, "BritishIsles1");
    const ViewState britishIsles{"IOTA-EU", "ABW = 'B'", true, true, 1, false, false, kGroupColumns, true};
    expectView(*form, britishIsles, "British Isles");
    EXPECT_EQ(form->CurrentGroup, "B");
    EXPECT_TRUE(form->EuropeButton->isChecked());
    EXPECT_EQ(visibleReferences(*form), (QStringList{"EU-005", "EU-007", "EU-115", "EU-120"}))
        << "the group's all shows its unallocated records too";

    press(*form, "RadioButton7");
    expectView(*form, {"IOTA-EU", "Status = 'W'  and ABW = 'B'", true, true, 7, false, false, kGroupColumns, true},
               "mode W in a group view");
    press(*form, "RadioButton3");
    EXPECT_EQ(form->Table1.Filter(), "Status = 'C' and ABW = 'B'");
    press(*form, "RadioButton10");
    EXPECT_EQ(form->Table1.Filter(), "Status = 'C' and ABW = 'B'") << "/Call keeps the group view's filter";
    EXPECT_TRUE(form->Table1.Filtered());

    press(*form, "EuropeButton");
    expectView(*form, continent, "Europe after British Isles");
    EXPECT_EQ(form->CurrentGroup, "");
}

TEST_F(ViewTest, GroupMenusPressTheirContinentButton) {
    const struct {
        const char* entry;
        const char* table;
        const char* group;
        QPushButton* TForm1::*button;
    } groups[] = {
        {"Europe2", "IOTA-EU", "A", &TForm1::EuropeButton},
        {"Asia2", "IOTA-AS", "A", &TForm1::AsiaButton},
        {"Northamerica2", "IOTA-NA", "A", &TForm1::NorthamericaButton},
        {"BritishIsles1", "IOTA-EU", "B", &TForm1::EuropeButton},
        {"Northamerica3", "IOTA-NA", "W", &TForm1::NorthamericaButton},
        {"Southamerica2", "IOTA-SA", "W", &TForm1::SouthamericaButton},
    };
    for (const auto& group : groups) {
        press(*form, group.entry);
        expectView(
            *form,
            {group.table, QString("ABW = '%1'").arg(group.group), true, true, 1, false, false, kGroupColumns, true},
            group.table);
        EXPECT_TRUE((form.get()->*group.button)->isChecked()) << group.table;
        EXPECT_EQ(form->CurrentGroup, group.group);
    }
}

TEST_F(ViewTest, EditModeFollowsTheContinentAndLeavesUnallocatedRecordsShown) {
    press(*form, "AfricaButton");
    press(*form, "EditMode");
    press(*form, "AsiaButton");
    expectView(*form, {"IOTA-AS", "", false, false, 1, true, true, kContinentColumns, false},
               "continent chosen in Edit Mode");
    EXPECT_FALSE(form->IotaDBCtrlGrid->isHidden());
    EXPECT_EQ(form->IotaID->text(), "AS-001");

    press(*form, "EditMode");
    expectView(*form, {"IOTA-AS", "", true, true, 1, true, false, kContinentColumns, false}, "Edit Mode cleared");
    EXPECT_EQ(form->Table1.RecordCount(), 29) << "unallocated records stay visible under all";
    press(*form, "RadioButton1");
    EXPECT_EQ(form->Table1.RecordCount(), 29) << "choosing the selected mode again runs nothing";
    press(*form, "RadioButton6");
    press(*form, "RadioButton1");
    EXPECT_EQ(form->Table1.RecordCount(), 2);
}

TEST_F(ViewTest, ListAndHandleFollowEachOther) {
    press(*form, "EuropeButton");
    form->Table1.Next();
    EXPECT_EQ(form->DBGrid1->currentIndex().row(), 1);
    form->DBGrid1->selectRow(3);
    EXPECT_EQ(form->Table1.RecNo(), 3);
    EXPECT_EQ(form->Table1.FieldByName("IOTA").AsString(), "EU-007");
    EXPECT_EQ(form->DBGrid1->model()->data(form->DBGrid1->model()->index(3, 3)).toString(), "EI7C");
}

}  // namespace

namespace {

// Saves what the user sees of each kind of view when SKERRY_SCREENSHOT_DIR names a folder.
TEST_F(ViewTest, ScreenshotsOfTheViews) {
    const QString folderName = qEnvironmentVariable("SKERRY_SCREENSHOT_DIR");
    if (folderName.isEmpty()) GTEST_SKIP() << "set SKERRY_SCREENSHOT_DIR to save screenshots";
    const std::pair<const char*, std::function<void()>> views[] = {
        {"continent", [&] { press(*form, "OceaniaButton"); }},
        {"group", [&] { press(*form, "BritishIsles1"); }},
        {"edit-mode",
         [&] {
             press(*form, "EuropeButton");
             press(*form, "EditMode");
             form->JumpTo->setText("5");
         }},
        {"my-details", [&] { press(*form, "MyDetailsButton"); }},
    };
    for (const auto& [name, show] : views) {
        show();
        QApplication::processEvents();
        EXPECT_TRUE(form->grab().save(QDir(folderName).filePath(QString("%1.png").arg(name)))) << name;
    }
}

}  // namespace
