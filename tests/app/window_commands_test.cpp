#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <stdexcept>

#include "app/help_view.h"
#include "base/failure.h"
#include "support/gui_fixture.h"
#include "window/control_properties.h"

namespace {

// Puts the window into the state of a continent view in Edit Mode, with the award panel bound.
void showSomeView(TForm1& form) {
    press(form, QStringLiteral("EuropeButton"));
    press(form, QStringLiteral("RadioButton3"));
    press(form, QStringLiteral("EditMode"));
    form.MyDetailsDBCtrlGrid->show();
    form.ClaimAwardDBCtrlGrid->show();
    bindField(form.DBText2, QStringLiteral("Award_name"));
    bindField(form.AwardNumberDBComboBox, QStringLiteral("Award_number"));
    bindField(form.DateDBEdit, QStringLiteral("Award_issued"));
    form.GroupLabel->setText(QStringLiteral("Arctic Islands"));
    form.GroupLabel->show();
    form.Progress->show();
}

class WindowCommands : public StartedFormTest {};

}  // namespace

TEST_F(WindowCommands, LockHidesEveryViewAndDisablesTheControls) {
    showSomeView(*form);

    form->LockMainWindow();

    for (QWidget* hidden : std::initializer_list<QWidget*>{form->ClaimAwardDBCtrlGrid, form->IotaDBCtrlGrid,
                                                           form->MyDetailsDBCtrlGrid, form->DBGrid1})
        EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
    for (QWidget* field : std::initializer_list<QWidget*>{form->DBText2, form->AwardNumberDBComboBox, form->DateDBEdit})
        EXPECT_EQ(boundField(field), QString()) << field->objectName().toStdString();
    for (QWidget* disabled : std::initializer_list<QWidget*>{form->RadioGroup1, form->GroupBox2, form->GroupBox3})
        EXPECT_FALSE(disabled->isEnabled()) << disabled->objectName().toStdString();
    for (QPushButton* button : form->viewButtons()) {
        EXPECT_FALSE(button->isChecked()) << button->objectName().toStdString();
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
    }
    EXPECT_TRUE(form->RadioButton1->isChecked());
    for (QRadioButton* button : form->radioButtons()) EXPECT_FALSE(button->isEnabled());
    EXPECT_FALSE(form->EditMode->isChecked());
    EXPECT_FALSE(form->EditMode->isEnabled());
    // The status line is the batch command's to show.
    EXPECT_FALSE(form->Progress->isHidden());
    EXPECT_TRUE(form->Table1.Active()) << "the command closes the table itself";

    form->UnlockMainWindow();

    expectNoViewShown(*form);
    EXPECT_EQ(form->GroupLabel->text(), QStringLiteral("Groups"));
    EXPECT_FALSE(form->Table1.Filtered());
    EXPECT_TRUE(form->Table1.Active());
}

TEST_F(WindowCommands, ViewButtonsStayPressedOneAtATime) {
    press(*form, QStringLiteral("AfricaButton"));
    press(*form, QStringLiteral("AsiaButton"));
    press(*form, QStringLiteral("AsiaButton"));
    EXPECT_FALSE(form->AfricaButton->isChecked());
    EXPECT_TRUE(form->AsiaButton->isChecked());
    form->LockMainWindow();
    EXPECT_FALSE(form->AsiaButton->isChecked());
}

TEST_F(WindowCommands, FailingCommandShowsTheErrorBoxAndGivesTheWindowBack) {
    struct Case {
        std::function<void()> fail;
        QString shown;
    };
    const Case cases[] = {
        {[] { throw Failure(QStringLiteral("Table \"IOTA-XX\" is missing")); },
         QStringLiteral("Table \"IOTA-XX\" is missing.")},
        {[] { throw Failure(QStringLiteral("Cannot read update.txt.")); }, QStringLiteral("Cannot read update.txt.")},
        {[] { throw std::runtime_error("out of memory"); }, QStringLiteral("out of memory.")},
    };
    for (const Case& c : cases) {
        dialogs.answerMessage();
        form->runCommand([&] {
            showSomeView(*form);
            form->Table1.Edit();
            form->LockMainWindow();
            form->MainMenu1->actions().front()->setEnabled(false);
            form->QSLPanel->show();
            c.fail();
        });
        ASSERT_FALSE(dialogs.asked().empty());
        const AskedDialog& box = dialogs.asked().back();
        EXPECT_EQ(box.title, QStringLiteral("Skerrydesk"));
        EXPECT_EQ(box.icon, QMessageBox::Critical);
        EXPECT_EQ(box.text, c.shown);
        expectNoViewShown(*form);
        EXPECT_FALSE(form->Table1.Active());
    }
    EXPECT_TRUE(dialogs.scriptUsedUp());
}

TEST_F(WindowCommands, HelpOpensTheHelpFileAtItsContents) {
    ASSERT_TRUE(QFile::copy(QStringLiteral(SKERRY_SOURCE_DATA "/SKERRYDESK.HLP"),
                            QDir(folder.path()).filePath(QStringLiteral("SKERRYDESK.HLP"))));

    press(*form, QStringLiteral("HelpButton"));

    EXPECT_TRUE(dialogs.asked().empty());
    auto* help = form->findChild<HelpView*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->source().fragment(), QStringLiteral("Contents"));
    EXPECT_TRUE(help->toPlainText().contains(QStringLiteral("Display selection")));
    press(*form, QStringLiteral("HelpButton"));
    EXPECT_EQ(form->findChildren<HelpView*>().size(), 1);
}

TEST_F(WindowCommands, MissingHelpFileIsReportedByName) {
    dialogs.answerMessage();

    press(*form, QStringLiteral("HelpButton"));

    ASSERT_EQ(dialogs.asked().size(), 1u);
    EXPECT_TRUE(dialogs.asked().front().text.contains(QStringLiteral("SKERRYDESK.HLP")));
    EXPECT_EQ(form->findChild<HelpView*>(), nullptr);
}

TEST_F(WindowCommands, ExitClosesTheWindowWithoutAsking) {
    press(*form, QStringLiteral("ExitButton"));
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(dialogs.asked().empty());
}
