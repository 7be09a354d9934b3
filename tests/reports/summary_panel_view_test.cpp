#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "support/report_fixture.h"

namespace {

const QStringList kColumns{"a", "c", "w", "ac", "p", "acw", "pw", "tot"};
const QStringList kRows{"af", "an", "as", "eu", "na", "oc", "sa", "tot"};
const QStringList kSixMenus{"Groups", "Summary", "Reports", "ClaimAward", "N5ImportUPF1", "N6UpdateMasterIndex1"};

// A panel row: its caption and the texts of its eight value labels.
struct PanelRow {
    QString caption;
    QStringList values;
};

const PanelRow kContinental[] = {
    {"Africa", {"1", "0", "0", "1", "( 50% )", "1", "( 50% )", "2"}},
    {"Antarctica", {"0", "0", "0", "0", "( 0% )", "0", "( 0% )", "2"}},
    {"Asia", {"0", "1", "0", "1", "( 50% )", "1", "( 50% )", "2"}},
    {"Europe", {"1", "1", "1", "2", "( 50% )", "3", "( 75% )", "4"}},
    {"Northamerica", {"0", "0", "0", "0", "( 0% )", "0", "( 0% )", "2"}},
    {"Oceania", {"1", "0", "0", "1", "( 100% )", "1", "( 100% )", "1"}},
    {"Southamerica", {"0", "0", "1", "0", "( 0% )", "1", "( 50% )", "2"}},
    // From the summed counts: 5 of 15 and 7 of 15, not the mean of the rows above.
    {"Sum", {"3", "2", "2", "5", "( 33% )", "7", "( 47% )", "15"}},
};

const QStringList kBlank(8, QString());

// Oceania's Arctic island counts for Oceania only.
const PanelRow kGroups[] = {
    {"Arctic Islands", {"0", "1", "1", "1", "( 50% )", "2", "( 100% )", "2"}},
    {"British Isles", {"1", "1", "0", "2", "( 67% )", "2", "( 67% )", "3"}},
    {"West Indies", {"0", "0", "1", "0", "( 0% )", "1", "( 50% )", "2"}},
    {"", kBlank},
    {"", kBlank},
    {"", kBlank},
    {"", kBlank},
    {"", kBlank},
};

QString labelText(const TForm1& form, const QString& name) {
    const auto* label = form.findChild<QLabel*>(name);
    EXPECT_NE(label, nullptr) << name.toStdString();
    return label ? label->text() : QString();
}

void expectPanel(const TForm1& form, const QString& title, const PanelRow (&rows)[8]) {
    EXPECT_EQ(labelText(form, "SumPanelLabel"), title);
    for (int row = 0; row < 8; ++row) {
        EXPECT_EQ(labelText(form, QString("L%1").arg(row + 1)), rows[row].caption) << "row " << row + 1;
        for (int column = 0; column < 8; ++column) {
            const QString name = QString("L_%1_%2").arg(kRows[row], kColumns[column]);
            EXPECT_EQ(labelText(form, name), rows[row].values[column]) << name.toStdString();
        }
    }
}

// The summary state: the panel on show, the views, command buttons, display modes and six of
// the seven menus closed.
void expectSummaryState(TForm1& form) {
    EXPECT_FALSE(form.GroupSummary->isHidden());
    for (QPushButton* button : form.viewButtons()) {
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
        EXPECT_FALSE(button->isChecked()) << button->objectName().toStdString();
    }
    EXPECT_FALSE(form.ImportButton->isEnabled());
    EXPECT_FALSE(form.ExportButton->isEnabled());
    EXPECT_FALSE(form.EditMode->isEnabled());
    EXPECT_FALSE(form.EditMode->isChecked());
    EXPECT_TRUE(form.RadioButton1->isChecked());
    for (QRadioButton* button : form.radioButtons())
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
    for (QWidget* hidden : {static_cast<QWidget*>(form.DBGrid1), static_cast<QWidget*>(form.IotaDBCtrlGrid),
                            static_cast<QWidget*>(form.Progress), static_cast<QWidget*>(form.GroupLabel)})
        EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
    for (const QString& menu : kSixMenus)
        EXPECT_FALSE(form.findChild<QAction*>(menu)->isEnabled()) << menu.toStdString();
    EXPECT_TRUE(reachable(form, form.N7HQImport1)) << "HQ Import stays usable";
    EXPECT_FALSE(form.Table1.Active());
    EXPECT_EQ(form.Table1.TableName(), "IOTA-SA");
}

class SummaryTest : public ReportTest {
protected:
    void SetUp() override {
        ReportTest::SetUp();
        startReportingForm();
    }
};

TEST_F(SummaryTest, ContinentalSummaryShowsEveryContinentAndTheirSum) {
    press(*form, "EuropeButton");
    press(*form, "RadioButton3");
    press(*form, "ContinentalAwards1");

    expectPanel(*form, "Continental Summary", kContinental);
    expectSummaryState(*form);
    EXPECT_TRUE(form->Table1.Filtered());
    EXPECT_EQ(form->Table1.Filter(), "Status = 'A' or Status = 'C' or Status = 'W' or Status = '-'");
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(dialogs.asked().empty());
}

TEST_F(SummaryTest, GroupSummaryBlanksTheRowsItDoesNotUse) {
    press(*form, "ContinentalAwards1");
    press(*form, "OK_Button");
    press(*form, "BritishIsles1");
    press(*form, "GroupAwards1");

    expectPanel(*form, "Group Summary", kGroups);
    expectSummaryState(*form);
    EXPECT_FALSE(form->Table1.Filtered());

    press(*form, "OK_Button");
    press(*form, "ContinentalAwards1");
    expectPanel(*form, "Continental Summary", kContinental);
}

TEST_F(SummaryTest, OkGivesTheWindowBackWithNoViewShown) {
    for (const char* summary : {"ContinentalAwards1", "GroupAwards1"}) {
        press(*form, summary);
        press(*form, "OK_Button");
        expectNoViewShown(*form);
        EXPECT_EQ(form->GroupLabel->text(), "Groups") << summary;
        EXPECT_FALSE(form->Table1.Active()) << summary;
        EXPECT_FALSE(form->Table1.Filtered()) << summary;
        EXPECT_EQ(form->Table1.TableName(), "IOTA-SA") << summary;
    }
    // The window works as before: a continent can be picked.
    press(*form, "AsiaButton");
    EXPECT_TRUE(form->RadioButton3->isEnabled());
    EXPECT_FALSE(form->DBGrid1->isHidden());
}

TEST_F(SummaryTest, StoreFailureMidSummaryGivesTheWindowBack) {
    // Southamerica is the last table both summaries count.
    form->Database1.execute("DROP TABLE \"IOTA-SA\"");
    for (const char* summary : {"ContinentalAwards1", "GroupAwards1"}) {
        dialogs.answerMessage();
        press(*form, summary);
        const QStringList errors = errorBoxTexts(dialogs);
        ASSERT_FALSE(errors.isEmpty()) << summary;
        EXPECT_TRUE(errors.back().contains("IOTA-SA")) << errors.back().toStdString();
        expectNoViewShown(*form);
        EXPECT_FALSE(form->Table1.Active()) << summary;
    }
    EXPECT_TRUE(dialogs.scriptUsedUp());
}

// Saves the panel as the user sees it when SKERRY_SCREENSHOT_DIR names a folder, counted over
// every listed island.
TEST_F(GuiTest, ScreenshotsOfTheSummaryPanel) {
    const QString folderName = qEnvironmentVariable("SKERRY_SCREENSHOT_DIR");
    if (folderName.isEmpty()) GTEST_SKIP() << "set SKERRY_SCREENSHOT_DIR to save screenshots";
    const std::unique_ptr<TestDataFolder> full = fullDataFolder();
    auto form = startForm(Paths{full->path(), QCoreApplication::applicationDirPath()});
    form->show();
    for (const auto& [entry, name] :
         {std::pair{"ContinentalAwards1", "continental-summary"}, std::pair{"GroupAwards1", "group-summary"}}) {
        press(*form, entry);
        QApplication::processEvents();
        EXPECT_TRUE(form->grab().save(QDir(folderName).filePath(QString("%1.png").arg(name)))) << name;
        press(*form, "OK_Button");
    }
}

}  // namespace
