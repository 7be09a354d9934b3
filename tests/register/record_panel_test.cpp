#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include "support/gui_fixture.h"
#include "support/screenshot.h"

namespace {

// The window in Edit Mode of the Europe view, shown and active, so that focus and keys act as
// they do for the user.
class RecordPanelTest : public GuiTest {
protected:
    void SetUp() override {
        setOwner("DL1ABC", "4711");
        start();
    }

    void start() {
        form.reset();
        form = startForm();
        form->show();
    }

    void europeInEditMode() {
        press(*form, "EuropeButton");
        press(*form, "EditMode");
        activate(*form);
    }

    // Types into a field without leaving it.
    void typeInto(QLineEdit* field, const QString& text) {
        field->setFocus(Qt::MouseFocusReason);
        field->selectAll();
        QTest::keyClicks(field, text);
    }

    QString storedIn(const QString& table, const QString& field, int row) {
        form.reset();
        return folder.column(table, field).value(row);
    }

    std::unique_ptr<TForm1> form;
};

}  // namespace

// Whatever path writes or leaves the record (a filter change, a move), the text typed into a
// field reaches it, also when the field was not left first.
TEST_F(RecordPanelTest, TypedTextReachesTheRecordOnEveryPath) {
    const std::pair<const char*, std::function<void(TForm1&)>> paths[] = {
        {"a group view from the menu", [](TForm1& form) { press(form, "Europe2"); }},
        {"Edit Mode cleared", [](TForm1& form) { press(form, "EditMode"); }},
        {"a jump", [](TForm1& form) { form.JumpTo->setText("2"); }},
        {"another row chosen in the list", [](TForm1& form) { form.DBGrid1->selectRow(1); }},
    };
    for (const auto& [name, path] : paths) {
        SCOPED_TRACE(name);
        start();
        europeInEditMode();
        typeInto(form->Comment, name);
        path(*form);
        EXPECT_EQ(storedIn("IOTA-EU", "Comment", 0), name);
    }

    start();
    press(*form, "MyDetailsButton");
    press(*form, "EditMode");
    activate(*form);
    const QString row = form->DBText1->text();
    typeInto(form->DBEdit1, "typed value");
    press(*form, "Europe2");
    form.reset();
    EXPECT_EQ(folder.ownerValue(row), "typed value");
}

// Esc drops the change of the record, also while the user is still typing.
TEST_F(RecordPanelTest, EscDropsTheTypedChange) {
    europeInEditMode();
    const QString island = form->Island_name->text();
    typeInto(form->Island_name, "typed");
    QTest::keyClick(form->Island_name, Qt::Key_Escape);
    EXPECT_EQ(form->Island_name->text(), island);
    form->Comment->setFocus(Qt::TabFocusReason);
    press(*form, "Europe2");
    EXPECT_EQ(storedIn("IOTA-EU", "Island", 0), island);
}

// Up and PageUp show the previous record, Down and PageDown the next; the record left keeps
// what was typed.
TEST_F(RecordPanelTest, KeysScrollTheIslandAndAwardPanels) {
    europeInEditMode();
    typeInto(form->Comment, "left behind");
    const std::pair<Qt::Key, int> keys[] = {
        {Qt::Key_Down, 1}, {Qt::Key_PageDown, 2}, {Qt::Key_Up, 1}, {Qt::Key_PageUp, 0}, {Qt::Key_Up, 0},
    };
    for (const auto& [key, row] : keys) {
        QTest::keyClick(form->Comment, key);
        EXPECT_EQ(form->Table1.RecNo(), row) << key;
        EXPECT_EQ(form->IotaID->text(), form->Table1.FieldByName("IOTA").AsString()) << key;
        EXPECT_TRUE(form->Comment->hasFocus()) << key;
    }
    EXPECT_EQ(form->Table1.FieldByName("Comment").AsString(), "left behind");
    saveScreenshot(*form, QStringLiteral("main_window_record_panel"));

    press(*form, "ClaimAward");
    activate(*form);
    ASSERT_GE(form->Table1.RecordCount(), 2);
    const QString first = form->AwardNumberDBComboBox->currentText();
    QTest::keyClick(form->AwardNumberDBComboBox, Qt::Key_Down);
    EXPECT_EQ(form->Table1.RecNo(), 1);
    EXPECT_EQ(form->DBText2->text(), form->Table1.FieldByName("Award_name").AsString());
    EXPECT_EQ(storedIn("Awards", "Award_number", 0), first) << "scrolling chooses no award number";
}

TEST_F(RecordPanelTest, TabLeadsThroughTheIslandPanelInItsOrder) {
    europeInEditMode();
    form->Callsign->setFocus(Qt::MouseFocusReason);
    for (QWidget* next : {static_cast<QWidget*>(form->Comment), static_cast<QWidget*>(form->StatusDBComboBox),
                          static_cast<QWidget*>(form->Island_name), static_cast<QWidget*>(form->Prefix)}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}
