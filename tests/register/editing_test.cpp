#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "register/status_dialog.h"
#include "support/gui_fixture.h"

namespace {

class EditingTest : public GuiTest {
protected:
    void SetUp() override {
        setOwner("DL1ABC", "4711");
        folder.execute(
            "UPDATE \"IOTA-EU\" SET Status = 'A', Call = 'G3A' WHERE IOTA = 'EU-005';"
            "UPDATE \"IOTA-EU\" SET Status = 'W', Call = 'EI7W' WHERE IOTA = 'EU-007';");
        form = startForm();
        form->show();
        press(*form, "EuropeButton");
        press(*form, "EditMode");
    }

    void jumpTo(const QString& number) { form->JumpTo->setText(number); }

    // Types into a field of the record panel and leaves it, as the user does with Tab.
    void typeAndLeave(QWidget* field, const QString& text) {
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(field, &in);
        if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->setText(text);
        if (auto* combo = qobject_cast<QComboBox*>(field)) combo->setCurrentText(text);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(field, &out);
    }

    QString stored(const QString& field) { return form->Table1.FieldByName(field).AsString(); }

    std::unique_ptr<TForm1> form;
};

TEST_F(EditingTest, JumpReachesEveryNumberUpToTheRecordCount) {
    jumpTo("5");
    EXPECT_EQ(form->Table1.Filter(), "IOTA = 'EU-005'");
    EXPECT_EQ(form->Table1.RecordCount(), 1);
    EXPECT_EQ(form->IotaID->text(), "EU-005");

    jumpTo("140");
    EXPECT_EQ(form->IotaID->text(), "EU-140") << "the last reference can be reached";

    for (const char* refused : {"141", "x", "0"}) {
        jumpTo(refused);
        EXPECT_EQ(form->JumpTo->text(), "") << refused;
        EXPECT_FALSE(form->Table1.Filtered()) << refused;
        EXPECT_EQ(form->Table1.RecordCount(), 140) << refused;
    }

    jumpTo("7");
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::LeftButton,
                            Qt::NoModifier);
    QApplication::sendEvent(form->JumpTo, &doubleClick);
    EXPECT_EQ(form->JumpTo->text(), "");
    EXPECT_EQ(form->Table1.RecordCount(), 140);
}

TEST_F(EditingTest, StatusChangesOfTheCallsignField) {
    const struct {
        const char* reference;
        const char* typed;
        std::optional<StatusAnswer> answer;
        const char* call;
        const char* status;
    } rows[] = {
        {"5", "OH0X", StatusAnswer::Worked, "OH0X", "W"},  // approved records are not protected
        {"5", "OH0Y", StatusAnswer::Claim, "OH0Y", "C"},
        {"7", "OH0Z", StatusAnswer::Undo, "EI7W", "W"},
        {"7", "", std::nullopt, "EI7W", "W"},
        {"3", "", std::nullopt, "", "U"},
    };
    for (const auto& row : rows) {
        jumpTo(row.reference);
        if (row.answer) dialogs.answerExec(TStatus_Form::resultOf(*row.answer));
        typeAndLeave(form->Callsign, row.typed);
        EXPECT_EQ(stored("Call"), row.call) << row.reference << " " << row.typed;
        EXPECT_EQ(stored("Status"), row.status) << row.reference << " " << row.typed;
        EXPECT_FALSE(form->Table1.Editing()) << "posted";
    }
    EXPECT_TRUE(dialogs.scriptUsedUp());
}

TEST_F(EditingTest, EnteringTheCallsignFieldEmptiesItAndTypingGivesCapitals) {
    jumpTo("5");
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(form->Callsign, &in);
    EXPECT_EQ(form->Callsign->text(), "");
    EXPECT_EQ(form->SavedCall, "G3A");
    EXPECT_EQ(form->SavedStatus, "A");
    emit form->Callsign->textEdited("g3abc/p");
    EXPECT_EQ(form->Callsign->text(), "G3ABC/P");
}

TEST_F(EditingTest, StatusBoxWarnings) {
    jumpTo("1");
    dialogs.answerMessage();
    typeAndLeave(form->StatusDBComboBox, "W");
    EXPECT_EQ(stored("Status"), "-") << "W needs a callsign first";
    ASSERT_FALSE(dialogs.asked().empty());
    EXPECT_EQ(dialogs.asked().back().text, "To choose this status you have to enter a callsign first!");
    EXPECT_EQ(dialogs.asked().back().title, "Warning!");

    jumpTo("7");
    typeAndLeave(form->StatusDBComboBox, "C");
    EXPECT_EQ(stored("Status"), "C") << "a record with a callsign takes C without a word";

    dialogs.answerMessage(QMessageBox::Cancel);
    typeAndLeave(form->StatusDBComboBox, "-");
    EXPECT_EQ(stored("Call"), "EI7W");
    EXPECT_EQ(stored("Status"), "C") << "Cancel restores the status the box was entered with";

    dialogs.answerMessage(QMessageBox::Ok);
    typeAndLeave(form->StatusDBComboBox, "-");
    EXPECT_EQ(stored("Call"), "");
    EXPECT_EQ(stored("Status"), "-");
    EXPECT_EQ(dialogs.asked().back().text, "If you choose this status callsign will be deleted also!");

    typeAndLeave(form->StatusDBComboBox, "D");
    jumpTo("");
    form->Table1.Close();
    form.reset();
    EXPECT_EQ(folder.column("IOTA-EU", "Status")[6], "D") << "a typed code is stored as typed once the record is left";
    EXPECT_TRUE(dialogs.scriptUsedUp());
}

TEST_F(EditingTest, TypedChangesReachTheTableWhenTheRecordIsLeftAndEscDropsThem) {
    jumpTo("1");
    typeAndLeave(form->Comment, "sked with SV8");
    EXPECT_TRUE(form->Table1.Editing());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(form->Comment, &escape);
    EXPECT_FALSE(form->Table1.Editing());
    EXPECT_EQ(form->Comment->text(), "");

    typeAndLeave(form->Island_name, "Aegean Isles");
    jumpTo("");  // the filter change writes the record
    form->Table1.Close();
    form.reset();
    EXPECT_EQ(folder.column("IOTA-EU", "Island")[0], "Aegean Isles");
    EXPECT_EQ(folder.column("IOTA-EU", "Comment")[0], "");
}

TEST_F(EditingTest, CtrlDeleteAsksBeforeDeleting) {
    QKeyEvent ctrlDelete(QEvent::KeyPress, Qt::Key_Delete, Qt::ControlModifier);
    dialogs.answerMessage(QMessageBox::Cancel);
    QApplication::sendEvent(form->DBGrid1, &ctrlDelete);
    EXPECT_EQ(form->Table1.RecordCount(), 140);
    EXPECT_EQ(dialogs.asked().back().text, "Delete record?");

    dialogs.answerMessage(QMessageBox::Ok);
    QApplication::sendEvent(form->Comment, &ctrlDelete);
    EXPECT_EQ(form->Table1.RecordCount(), 139) << "the record panel asks too, then deletes";
    EXPECT_EQ(form->IotaID->text(), "EU-002");
    EXPECT_TRUE(dialogs.scriptUsedUp());
}

TEST_F(EditingTest, OwnerDetailsListEveryRowAndEditOnlyThePublicOnes) {
    press(*form, "MyDetailsButton");
    EXPECT_TRUE(form->MyDetailsButton->isChecked());
    EXPECT_EQ(form->Table1.TableName(), "Owner");
    EXPECT_TRUE(form->Table1.Filtered());
    EXPECT_EQ(form->Table1.Filter(), "Permission = 'public'");
    EXPECT_FALSE(form->Table1.ReadOnly());
    EXPECT_EQ(form->Table1.RecordCount(), 19);
    EXPECT_FALSE(form->MyDetailsDBCtrlGrid->isHidden());
    EXPECT_TRUE(form->JumpTo->isHidden());
    EXPECT_FALSE(form->RadioButton1->isEnabled());
    EXPECT_EQ(form->DBText1->text(), "Name");

    typeAndLeave(form->DBEdit1, "Kari Nordmann");
    press(*form, "EditMode");
    EXPECT_FALSE(form->Table1.Filtered());
    EXPECT_TRUE(form->Table1.ReadOnly());
    EXPECT_EQ(form->Table1.RecordCount(), 36) << "every owner row, read-only";
    EXPECT_TRUE(form->MyDetailsDBCtrlGrid->isHidden());
    EXPECT_TRUE(form->EditMode->isEnabled());

    form->Table1.Close();
    form.reset();
    EXPECT_EQ(folder.ownerValue("Name"), "Kari Nordmann") << "clearing Edit Mode wrote the change";
}

}  // namespace
