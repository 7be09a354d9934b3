#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "register/list_grid_model.h"
#include "support/fixed_clock.h"
#include "support/gui_fixture.h"
#include "support/screenshot.h"
#include "window/control_properties.h"

namespace {

const QStringList kAwardColumns{"Award_name", "Award_title", "Award_number", "Award_issued"};

// The delivered awards, all "NONE" but two issued ones and one claimed; one British Isles island.
class ClaimsTest : public GuiTest {
protected:
    void SetUp() override {
        setOwner(QStringLiteral("DL1ABC"), QStringLiteral("4711"));
        folder.execute(QStringLiteral(
            "UPDATE \"Awards\" SET Award_number = '0815', Award_issued = '01-02-03' WHERE No IN (1, 3)"));
        folder.execute(
            QStringLiteral("UPDATE \"Awards\" SET Award_number = 'CLAIM', Award_issued = '05-06-07' WHERE No = 5"));
        folder.execute(QStringLiteral("UPDATE \"IOTA-EU\" SET ABW = 'B' WHERE IOTA = 'EU-005'"));
        form = std::make_unique<TForm1>(paths(), dialogs, eighthOfDecember, shell);
        form->show();
    }

    // The award on the list's current record.
    QString currentAward() { return form->Table1.FieldByName(QStringLiteral("Award_name")).AsString(); }

    // Chooses an item of the award number box on a row of the claim list by typing its first letter.
    void choose(int row, const QString& item) {
        form->Table1.MoveTo(row);
        typeInto(*form, QStringLiteral("AwardNumberDBComboBox"), item.left(1));
    }

    // An award's number and issue date as written, read once the program has let go of the folder.
    std::pair<QString, QString> storedAward(int number) {
        form.reset();
        const int row = number - 1;
        return {folder.column(QStringLiteral("Awards"), QStringLiteral("Award_number")).value(row),
                folder.column(QStringLiteral("Awards"), QStringLiteral("Award_issued")).value(row)};
    }

    QStringList listedAwards() {
        QStringList names;
        const int column = form->Table1.fieldIndex(QStringLiteral("Award_name"));
        for (int row = 0; row < form->Table1.RecordCount(); ++row) names << form->Table1.valueAt(row, column);
        return names;
    }

    FixedClock eighthOfDecember{QDateTime(QDate(2007, 12, 8), QTime(14, 7, 9))};
    std::unique_ptr<TForm1> form;
};

void expectAwardListState(const TForm1& form) {
    EXPECT_EQ(form.Table1.TableName(), QStringLiteral("Awards"));
    EXPECT_TRUE(form.Table1.Active());
    EXPECT_EQ(form.findChild<ListGridModel*>()->columns(), kAwardColumns);
    EXPECT_TRUE(form.DBGrid1->isVisible());
    EXPECT_TRUE(form.DBGrid1->toolTip().isEmpty()) << "the QSL hint belongs to the island views";
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{form.GroupLabel, form.IotaDBCtrlGrid, form.MyDetailsDBCtrlGrid})
        EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
    EXPECT_TRUE(form.RadioButton1->isChecked());
    for (QRadioButton* button : form.radioButtons())
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
    EXPECT_FALSE(form.EditMode->isChecked());
    EXPECT_FALSE(form.EditMode->isEnabled());
    for (QPushButton* button : form.viewButtons()) {
        EXPECT_FALSE(button->isChecked()) << button->objectName().toStdString();
        EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
    }
    for (QWidget* field :
         std::initializer_list<QWidget*>{form.IotaID, form.Island_name, form.Prefix, form.Callsign, form.Comment,
                                         form.StatusDBComboBox, form.DBEdit1, form.DBText1})
        EXPECT_EQ(boundField(field), QString()) << field->objectName().toStdString();
}

}  // namespace

TEST_F(ClaimsTest, AwardListShowsEveryAward) {
    press(*form, QStringLiteral("EuropeButton"));

    press(*form, QStringLiteral("SpeedButton1"));

    expectAwardListState(*form);
    EXPECT_FALSE(form->Table1.Filtered());
    EXPECT_TRUE(form->Table1.Filter().isEmpty());
    EXPECT_EQ(form->Table1.RecordCount(), 24);
    EXPECT_TRUE(form->ClaimAwardDBCtrlGrid->isHidden());
    EXPECT_TRUE(dialogs.asked().empty());
}

TEST_F(ClaimsTest, AwardListFromEditModeOrAGroupViewLeavesTheDisplayModesOff) {
    const std::pair<const char*, std::function<void()>> views[] = {
        {"Edit Mode",
         [&] {
             press(*form, QStringLiteral("AsiaButton"));
             press(*form, QStringLiteral("EditMode"));
         }},
        {"group view in mode C",
         [&] {
             press(*form, QStringLiteral("BritishIsles1"));
             press(*form, QStringLiteral("RadioButton3"));
         }},
    };
    for (const auto& [name, view] : views) {
        view();
        press(*form, QStringLiteral("SpeedButton1"));
        SCOPED_TRACE(name);
        expectAwardListState(*form);
        EXPECT_TRUE(form->CurrentGroup.isEmpty());
        EXPECT_EQ(form->Table1.RecordCount(), 24);
    }
    EXPECT_TRUE(dialogs.asked().empty());
}

TEST_F(ClaimsTest, ClaimViewListsOnlyTheAwardsNotIssued) {
    press(*form, QStringLiteral("ClaimAward"));

    expectAwardListState(*form);
    EXPECT_EQ(form->Table1.Filter(), QStringLiteral("Award_number = 'NONE' or Award_number ='CLAIM'"));
    EXPECT_TRUE(form->Table1.Filtered());
    EXPECT_FALSE(form->Table1.ReadOnly());
    EXPECT_EQ(form->Table1.RecordCount(), 22);
    const QStringList listed = listedAwards();
    EXPECT_FALSE(listed.contains(QStringLiteral("IOTA 100")));
    EXPECT_FALSE(listed.contains(QStringLiteral("IOTA 300")));
    EXPECT_TRUE(listed.contains(QStringLiteral("IOTA 500")));

    EXPECT_TRUE(form->ClaimAwardDBCtrlGrid->isVisible());
    EXPECT_EQ(boundField(form->DBText2), QStringLiteral("Award_name"));
    EXPECT_EQ(boundField(form->AwardNumberDBComboBox), QStringLiteral("Award_number"));
    EXPECT_EQ(boundField(form->DateDBEdit), QStringLiteral("Award_issued"));
    EXPECT_EQ(form->DBText2->text(), QStringLiteral("IOTA 200"));
    EXPECT_EQ(form->AwardNumberDBComboBox->currentText(), QStringLiteral("NONE"));
    EXPECT_EQ(form->DateDBEdit->text(), QStringLiteral("XXXXXXXX"));
    const QStringList items{form->AwardNumberDBComboBox->itemText(0), form->AwardNumberDBComboBox->itemText(1)};
    EXPECT_EQ(items, (QStringList{"CLAIM", "NONE"}));
    EXPECT_EQ(form->AwardNumberDBComboBox->count(), 2);
    saveScreenshot(*form, QStringLiteral("main_window_claim_view"));
}

TEST_F(ClaimsTest, AnEmptyClaimViewShowsAnEmptyPanel) {
    form.reset();
    folder.execute(QStringLiteral("UPDATE \"Awards\" SET Award_number = '4711'"));
    form = std::make_unique<TForm1>(paths(), dialogs, eighthOfDecember, shell);
    form->show();
    press(*form, QStringLiteral("ClaimAward"));

    EXPECT_EQ(form->Table1.RecordCount(), 0);
    EXPECT_TRUE(form->ClaimAwardDBCtrlGrid->isVisible());
    EXPECT_EQ(form->DBText2->text(), QString());
    EXPECT_EQ(form->AwardNumberDBComboBox->currentIndex(), -1) << "the box shows no item";
    EXPECT_EQ(form->DateDBEdit->text(), QString());
}

TEST_F(ClaimsTest, ClaimStoresTheClaimDateAndReopensAtTheFirstAward) {
    press(*form, QStringLiteral("ClaimAward"));
    const int row = int(listedAwards().indexOf(QStringLiteral("IOTA 700")));

    choose(row, QStringLiteral("CLAIM"));

    EXPECT_EQ(form->Table1.RecNo(), 0);
    EXPECT_EQ(currentAward(), QStringLiteral("IOTA 200"));
    EXPECT_EQ(form->Table1.RecordCount(), 22) << "the award stays in the claim list";
    EXPECT_FALSE(form->Table1.ReadOnly());
    EXPECT_EQ(storedAward(7), std::make_pair(QStringLiteral("CLAIM"), QStringLiteral("08-12-07")));
}

TEST_F(ClaimsTest, NoneStoresNoIssueDate) {
    press(*form, QStringLiteral("ClaimAward"));
    const int row = int(listedAwards().indexOf(QStringLiteral("IOTA 500")));

    choose(row, QStringLiteral("NONE"));

    EXPECT_EQ(form->Table1.RecNo(), 0);
    EXPECT_TRUE(listedAwards().contains(QStringLiteral("IOTA 500")));
    EXPECT_EQ(storedAward(5), std::make_pair(QStringLiteral("NONE"), QStringLiteral("XXXXXXXX")));
}

TEST_F(ClaimsTest, LastAwardOfTheListIsPostedToo) {
    press(*form, QStringLiteral("ClaimAward"));

    choose(form->Table1.RecordCount() - 1, QStringLiteral("CLAIM"));

    EXPECT_EQ(form->Table1.RecNo(), 0);
    EXPECT_EQ(storedAward(24), std::make_pair(QStringLiteral("CLAIM"), QStringLiteral("08-12-07")));
}

TEST_F(ClaimsTest, ChoosingFromTheBoxRunsTheChange) {
    press(*form, QStringLiteral("ClaimAward"));
    form->AwardNumberDBComboBox->setFocus();

    // Typing the first letter chooses "CLAIM" (Up and Down scroll the panel instead).
    typeInto(*form, QStringLiteral("AwardNumberDBComboBox"), QStringLiteral("c"));

    EXPECT_EQ(form->Table1.RecNo(), 0);
    EXPECT_EQ(form->DateDBEdit->text(), QStringLiteral("08-12-07"));
    EXPECT_EQ(storedAward(2), std::make_pair(QStringLiteral("CLAIM"), QStringLiteral("08-12-07")));
}

TEST_F(ClaimsTest, AwardListAfterTheClaimViewShowsEveryAwardAgain) {
    press(*form, QStringLiteral("ClaimAward"));

    press(*form, QStringLiteral("SpeedButton1"));

    expectAwardListState(*form);
    EXPECT_TRUE(form->ClaimAwardDBCtrlGrid->isHidden());
    EXPECT_EQ(boundField(form->DBText2), QString());
    EXPECT_EQ(boundField(form->AwardNumberDBComboBox), QString());
    EXPECT_EQ(form->Table1.RecordCount(), 24);
    EXPECT_TRUE(listedAwards().contains(QStringLiteral("IOTA 100")));
}

TEST_F(ClaimsTest, AContinentViewEndsTheClaimView) {
    press(*form, QStringLiteral("ClaimAward"));

    press(*form, QStringLiteral("EuropeButton"));

    EXPECT_TRUE(form->ClaimAwardDBCtrlGrid->isHidden());
    for (QWidget* field : std::initializer_list<QWidget*>{form->DBText2, form->AwardNumberDBComboBox, form->DateDBEdit})
        EXPECT_EQ(boundField(field), QString()) << field->objectName().toStdString();
    EXPECT_EQ(form->Table1.TableName(), QStringLiteral("IOTA-EU"));
}
