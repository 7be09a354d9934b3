#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableView>

#include "reports/render/page_setup.h"
#include "reports/render/pdf_output.h"
#include "support/report_fixture.h"

namespace {

// The entries of a menu as they stand: captions, with "-" for a separator.
QStringList captionsOf(const QMenu* menu) {
    QStringList captions;
    for (const QAction* entry : menu->actions()) captions << (entry->isSeparator() ? QString("-") : entry->text());
    return captions;
}

const QMenu* submenu(const TForm1& form, const QString& name) {
    const auto* menu = form.findChild<QMenu*>(name);
    EXPECT_NE(menu, nullptr) << name.toStdString();
    return menu;
}

// The captions of the menus leading from the menu bar to an entry; empty when it stands in none.
QStringList menuPathOf(const QList<QAction*>& entries, const QAction* entry) {
    for (const QAction* action : entries) {
        if (!action->menu()) continue;
        if (action->menu()->actions().contains(entry)) return {action->text()};
        const QStringList below = menuPathOf(action->menu()->actions(), entry);
        if (!below.isEmpty()) return QStringList{action->text()} + below;
    }
    return {};
}

// The printed island lists written out: areas with their menu path, table, group code, title
// text and the handlers of their seven selections.
struct ListArea {
    QStringList path;
    QString table;
    QString group;
    QString text;
    QStringList handlers;
};

const QString kContinental = "Print &Continental summary";
const QString kGroup = "Print &Group summary";

const ListArea kAreas[] = {
    {{kContinental, "&Africa"},
     "IOTA-AF",
     "",
     "Africa",
     {"CPapproved2Click", "CPclaimed2Click", "worked7Click", "CPclaimedapproved1Click", "approvedclaimedworked6Click",
      "needed2Click", "neededW7Click"}},
    {{kContinental, "Antar&ctica"},
     "IOTA-AN",
     "",
     "Antarctica",
     {"CPapproved3Click", "CPclaimed3Click", "worked8Click", "CPclaimedapproved2Click", "approvedclaimedworked7Click",
      "needed3Click", "neededW8Click"}},
    {{kContinental, "A&sia"},
     "IOTA-AS",
     "",
     "Asia",
     {"CPapproved4Click", "CPclaimed4Click", "worked9Click", "CPclaimedapproved3Click", "approvedclaimedworked8Click",
      "needed4Click", "neededW9Click"}},
    {{kContinental, "&Europe"},
     "IOTA-EU",
     "",
     "Europe",
     {"CPapproved5Click", "CPclaimed5Click", "worked10Click", "CPclaimedapproved4Click", "approvedclaimedworked9Click",
      "needed5Click", "neededW10Click"}},
    {{kContinental, "&Northamerica"},
     "IOTA-NA",
     "",
     "Northamerica",
     {"CPapproved6Click", "CPclaimed6Click", "worked11Click", "CPclaimedapproved5Click", "approvedclaimedworked10Click",
      "needed6Click", "neededW11Click"}},
    {{kContinental, "&Oceania"},
     "IOTA-OC",
     "",
     "Oceania",
     {"CPapproved7Click", "CPclaimed7Click", "worked12Click", "CPclaimedapproved6Click", "approvedclaimedworked11Click",
      "needed7Click", "neededW12Click"}},
    {{kContinental, "&Southamerica"},
     "IOTA-SA",
     "",
     "Southamerica",
     {"CPapproved8Click", "CPclaimed8Click", "worked13Click", "CPclaimedapproved7Click", "approvedclaimedworked12Click",
      "needed8Click", "neededW13Click"}},
    {{kGroup, "&Arctic Islands", "&Europe"},
     "IOTA-EU",
     "A",
     "Arctic I./EU",
     {"CPapproved1Click", "CPclaimed1Click", "worked1Click", "CPclaimedapproved8Click", "claimedapprovedworked1Click",
      "needed1Click", "neededW1Click"}},
    {{kGroup, "&Arctic Islands", "&Asia"},
     "IOTA-AS",
     "A",
     "Arctic I./AS",
     {"CPapproved9Click", "CPclaimed9Click", "worked2Click", "CPclaimedapproved9Click", "approvedclaimedworked1Click",
      "needed9Click", "neededW2Click"}},
    {{kGroup, "&Arctic Islands", "&Northamerica"},
     "IOTA-NA",
     "A",
     "Arctic I./NA",
     {"CPapproved10Click", "CPclaimed10Click", "worked3Click", "CPclaimedapproved10Click",
      "approvedclaimedworked2Click", "needed10Click", "neededW3Click"}},
    {{kGroup, "&British Isles"},
     "IOTA-EU",
     "B",
     "British Isles",
     {"CPapproved11Click", "CPclaimed11Click", "worked4Click", "CPclaimedapproved11Click",
      "approvedclaimedworked3Click", "needed11Click", "neededW4Click"}},
    {{kGroup, "&West Indies", "&Northamerica"},
     "IOTA-NA",
     "W",
     "West Indies/NA",
     {"CPapproved12Click", "CPclaimed12Click", "worked5Click", "CPclaimedapproved12Click",
      "approvedclaimedworked4Click", "needed12Click", "neededW5Click"}},
    {{kGroup, "&West Indies", "&Southamerica"},
     "IOTA-SA",
     "W",
     "West Indies/SA",
     {"CPapproved13Click", "CPclaimed13Click", "worked6Click", "CPclaimedapproved13Click",
      "approvedclaimedworked5Click", "needed13Click", "neededW6Click"}},
};

struct ListSelection {
    QString caption;
    QString continentFilter;
    QString groupStatusPart;
    QString titleWord;
};

const ListSelection kSelections[] = {
    {"&approved", "Status = 'A'", "Status = 'A'", "approved"},
    {"&claimed", "Status = 'C'", "Status = 'C'", "claimed"},
    {"&worked", "Status = 'W'", "Status = 'W'", "worked"},
    {"a&pproved && claimed", "Status = 'C' or Status = 'A'", "(Status = 'C' or Status ='A')", "approved+claimed"},
    {"appr&oved && claimed && worked", "Status = 'C' or Status = 'A' or Status = 'W'",
     "(Status = 'C' or Status ='A' or Status ='W')", "approved+claimed+worked"},
    {"&needed (-)", "Status = '-'", "Status = '-'", "needed"},
    {"n&eeded (-/W)", "Status = '-' or Status = 'W'", "(Status = '-' or Status = 'W')", "needed"},
};

QString entryName(const QString& handler) {
    return handler.chopped(5);
}

// The references and statuses of a list's detail lines.
QStringList detailLines(const ShownReport& list) {
    const reports::RecordSet& records = *list.report.data;
    QStringList lines;
    for (const QStringList& record : records.rows)
        lines << record[records.fieldIndex("IOTA")] + " " + record[records.fieldIndex("Status")];
    return lines;
}

// After a list no view is shown, the display modes are enabled on "all" and Edit Mode is off.
void expectStateAfterList(const TForm1& form, const std::string& list) {
    for (QPushButton* button : form.viewButtons()) {
        EXPECT_TRUE(button->isEnabled()) << list;
        EXPECT_FALSE(button->isChecked()) << list;
    }
    for (QRadioButton* button : form.radioButtons()) EXPECT_TRUE(button->isEnabled()) << list;
    EXPECT_TRUE(form.RadioButton1->isChecked()) << list;
    EXPECT_FALSE(form.EditMode->isChecked()) << list;
    EXPECT_FALSE(form.EditMode->isEnabled()) << list;
    EXPECT_TRUE(form.DBGrid1->isHidden()) << list;
    EXPECT_TRUE(form.IotaDBCtrlGrid->isHidden()) << list;
    EXPECT_TRUE(form.GroupLabel->isHidden()) << list;
    EXPECT_TRUE(form.RadioGroup1->isEnabled() && form.GroupBox2->isEnabled() && form.GroupBox3->isEnabled()) << list;
    EXPECT_FALSE(form.Table1.Active()) << list;
    EXPECT_FALSE(form.Table1.Filtered()) << list;
    EXPECT_TRUE(form.Table1.ReadOnly()) << list;
    EXPECT_FALSE(form.QuickRep1.enabled) << list;
}

class ReportCommandsTest : public ReportTest {
protected:
    void SetUp() override {
        ReportTest::SetUp();
        startReportingForm();
    }
};

TEST_F(ReportCommandsTest, SummaryAndReportMenusHoldEveryEntry) {
    EXPECT_EQ(captionsOf(submenu(*form, "Summary")), (QStringList{"&Group Awards", "&Continental Awards"}));
    EXPECT_EQ(captionsOf(submenu(*form, "Reports")), (QStringList{"Print &Summary", "Print &Group summary",
                                                                  "Print &Continental summary", "&Want List (short)"}));
    EXPECT_EQ(
        captionsOf(submenu(*form, "PrintContinentalsummary1")),
        (QStringList{"&Africa", "Antar&ctica", "A&sia", "&Europe", "&Northamerica", "&Oceania", "&Southamerica"}));
    EXPECT_EQ(captionsOf(submenu(*form, "PrintGroupsummary1")),
              (QStringList{"&Arctic Islands", "&British Isles", "&West Indies"}));
    EXPECT_EQ(captionsOf(submenu(*form, "WantListshort1")),
              (QStringList{"&needed (-)", "n&eeded (-/W)", "by &rarity"}));
    EXPECT_EQ(form->findChild<QAction*>("NeededWorked1")->text(), "&needed (-)");
    EXPECT_EQ(form->findChild<QAction*>("Needed14")->text(), "n&eeded (-/W)");
    for (const ListArea& area : kAreas) {
        const auto* menu =
            qobject_cast<QMenu*>(form->findChild<QAction*>(entryName(area.handlers[0]))->associatedObjects().value(0));
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(captionsOf(menu),
                  (QStringList{"&approved", "&claimed", "&worked", "a&pproved && claimed",
                               "appr&oved && claimed && worked", "-", "&needed (-)", "n&eeded (-/W)"}))
            << area.text.toStdString();
    }
}

TEST_F(ReportCommandsTest, EveryIslandListCommandPrintsItsList) {
    int lists = 0;
    for (const ListArea& area : kAreas) {
        for (int s = 0; s < 7; ++s) {
            const ListSelection& selection = kSelections[s];
            const QString name = entryName(area.handlers[s]);
            const std::string list = name.toStdString();
            const auto* entry = form->findChild<QAction*>(name);
            ASSERT_NE(entry, nullptr) << list;
            EXPECT_EQ(entry->text(), selection.caption) << list;
            EXPECT_EQ(menuPathOf(form->MainMenu1->actions(), entry), QStringList{"&3 Reports"} + area.path) << list;

            shown.clear();
            press(*form, name);
            ASSERT_EQ(shown.size(), 1u) << list;
            const ShownReport& printed = shown.front();
            const QString filter = area.group.isEmpty() ? selection.continentFilter
                                                        : "ABW = '" + area.group + "' and " + selection.groupStatusPart;
            EXPECT_EQ(printed.labelText("QRLabel1"), "IOTA " + area.text + " (" + selection.titleWord + ")") << list;
            EXPECT_EQ(printed.tableName, area.table) << list;
            EXPECT_EQ(printed.filter, filter) << list;
            EXPECT_TRUE(printed.filtered && printed.active && printed.readOnly) << list;
            EXPECT_EQ(printed.report.title, "Detailed Report") << list;
            EXPECT_TRUE(printed.islandListEnabled) << list;
            EXPECT_FALSE(printed.viewButtonsEnabled) << list;
            EXPECT_EQ(printed.labelText("QRLabel7"), "Report for DL1ABC") << list;
            EXPECT_EQ(printed.labelText("QRLabel8"), "Directory number 4711") << list;

            expectStateAfterList(*form, list);
            EXPECT_EQ(form->Table1.TableName(), area.table) << list;
            EXPECT_EQ(form->Table1.Filter(), filter) << list;
            ++lists;
        }
    }
    EXPECT_EQ(lists, 91);
    EXPECT_TRUE(dialogs.asked().empty());
}

TEST_F(ReportCommandsTest, ListsHoldTheirIslandsInReferenceOrder) {
    press(*form, "neededW10");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].labelText("QRLabel1"), "IOTA Europe (needed)");
    EXPECT_EQ(detailLines(shown[0]), (QStringList{"EU-001 W", "EU-115 -"}));

    press(*form, "CPclaimedapproved4");
    EXPECT_EQ(detailLines(shown[1]), (QStringList{"EU-005 C", "EU-007 A"})) << "statuses mixed, not grouped";

    // Only the Arctic islands of the Asian table; Oceania's stands in no group list.
    press(*form, "CPclaimed9");
    EXPECT_EQ(detailLines(shown[2]), QStringList{"AS-001 C"});
    press(*form, "approvedclaimedworked1");
    EXPECT_EQ(detailLines(shown[3]), QStringList{"AS-001 C"});

    // Nothing selected: the list prints all the same, without detail lines.
    press(*form, "CPapproved3");
    EXPECT_EQ(shown[4].labelText("QRLabel1"), "IOTA Antarctica (approved)");
    EXPECT_TRUE(shown[4].report.data->rows.empty());

    // Deleted and unallocated references stand in no list.
    for (const char* all : {"approvedclaimedworked9", "neededW10"}) {
        press(*form, all);
        for (const QString& line : detailLines(shown.back())) EXPECT_FALSE(line.endsWith('D') || line.endsWith('U'));
    }
}

TEST_F(ReportCommandsTest, ListFromAGroupViewSetsItsOwnFilter) {
    press(*form, "BritishIsles1");
    press(*form, "RadioButton3");
    press(*form, "worked13");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].tableName, "IOTA-SA");
    EXPECT_EQ(shown[0].filter, "Status = 'W'");
    EXPECT_EQ(detailLines(shown[0]), QStringList{"SA-001 W"});
    expectStateAfterList(*form, "worked13");
}

TEST_F(ReportCommandsTest, PrintedSummaryCountsEveryRowOntoOnePage) {
    press(*form, "AfricaButton");
    press(*form, "PrintSummary1");
    ASSERT_EQ(shown.size(), 1u);
    const ShownReport& summary = shown.front();
    EXPECT_EQ(summary.report.title, "Summary");
    EXPECT_EQ(summary.labelText("QRLabel10"), "Report for DL1ABC");
    EXPECT_EQ(summary.labelText("QRLabel11"), "Directory number 4711");
    const std::pair<const char*, const char*> values[] = {
        {"QRL_af_a", "1"},         {"QRL_eu_acw", "3"},      {"QRL_eu_pw", "( 75% )"}, {"QRL_oc_p", "( 100% )"},
        {"QRL_tot_ac", "5"},       {"QRL_tot_p", "( 33% )"}, {"QRL_tot_tot", "15"},    {"QRL_ai_tot", "2"},
        {"QRL_ai_pw", "( 100% )"}, {"QRL_bi_p", "( 67% )"},  {"QRL_wi_w", "1"},        {"QRL_wi_pw", "( 50% )"},
    };
    for (const auto& [label, text] : values) EXPECT_EQ(summary.labelText(label), text) << label;

    // While the preview is open.
    EXPECT_TRUE(summary.summaryEnabled);
    EXPECT_FALSE(summary.viewButtonsEnabled);
    EXPECT_TRUE(summary.radioButtonsEnabled) << "the island panel's EditChange enabled them";
    EXPECT_FALSE(summary.progressShown);
    EXPECT_EQ(summary.groupLabel, "Preparing summary");
    EXPECT_TRUE(summary.active);
    EXPECT_FALSE(summary.filtered);
    EXPECT_EQ(summary.tableName, "IOTA-SA");

    expectNoViewShown(*form);
    EXPECT_FALSE(form->QuickRep2.enabled);
    EXPECT_EQ(form->GroupLabel->text(), "Groups");
    EXPECT_FALSE(form->Table1.Active());
    EXPECT_FALSE(form->Table1.Filtered());
    for (QAction* menu : form->MainMenu1->actions()) EXPECT_TRUE(menu->isEnabled());
}

TEST_F(ReportCommandsTest, WantListOfNeededReferences) {
    press(*form, "NeededWorked1");
    ASSERT_EQ(shown.size(), 1u);
    const ShownReport& wantList = shown.front();
    EXPECT_EQ(wantList.report.title, "Want List");
    EXPECT_TRUE(QRegularExpression("^Want List for DL1ABC as of \\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d$")
                    .match(wantList.labelText("QRLabel33"))
                    .hasMatch())
        << wantList.labelText("QRLabel33").toStdString();
    const QStringList memo{
        "Africa:",       "  AF-003 ", "", "Antarctica:",   "  AN-001   AN-002 ", "", "Asia:",    "  AS-004 ", "",
        "Europe:",       "  EU-115 ", "", "Northamerica:", "  NA-001   NA-015 ", "", "Oceania:", "",          "",
        "Southamerica:", "  SA-006 ", ""};
    EXPECT_EQ(wantList.report.band(reports::BandType::Summary)->memo->lines, memo);
    EXPECT_EQ(form->QuickRep3.QRMemo1, memo) << "the text stays until the next want list";
    EXPECT_EQ(wantList.groupLabel, "Preparing want list");
    EXPECT_FALSE(wantList.progressShown);
    EXPECT_TRUE(wantList.active);
    EXPECT_EQ(wantList.tableName, "IOTA-SA");

    // Afterwards the display modes and command buttons are enabled with no view shown.
    for (QPushButton* button : form->viewButtons()) EXPECT_TRUE(button->isEnabled() && !button->isChecked());
    for (QRadioButton* button : form->radioButtons()) EXPECT_TRUE(button->isEnabled());
    EXPECT_TRUE(form->RadioButton1->isChecked());
    EXPECT_TRUE(form->ImportButton->isEnabled() && form->ExportButton->isEnabled());
    EXPECT_FALSE(form->EditMode->isChecked() || form->EditMode->isEnabled());
    EXPECT_TRUE(form->DBGrid1->isHidden() && form->GroupLabel->isHidden() && form->Progress->isHidden());
    EXPECT_EQ(form->GroupLabel->text(), "Groups");
    EXPECT_FALSE(form->Table1.Active());
    EXPECT_FALSE(form->Table1.Filtered());
    EXPECT_EQ(form->Table1.Filter(), "Status = '-'");
}

TEST_F(ReportCommandsTest, WantListOfNeededAndWorkedReferencesMarksTheWorked) {
    press(*form, "Needed14");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].labelText("QRLabel33").startsWith("Want List for DL1ABC as of "));
    EXPECT_TRUE(shown[0].labelText("QRLabel33").endsWith(" / ( )=worked!"));
    const QStringList& memo = form->QuickRep3.QRMemo1;
    EXPECT_EQ(memo.mid(9, 3), (QStringList{"Europe:", " (EU-001)  EU-115 ", ""}));
    EXPECT_EQ(memo.mid(18, 3), (QStringList{"Southamerica:", " (SA-001)  SA-006 ", ""}));
    EXPECT_EQ(memo.join("").count('('), 2);
    EXPECT_EQ(form->Table1.Filter(), "Status = '-' or Status = 'W'");
}

TEST_F(ReportCommandsTest, StoreFailureMidReportGivesTheWindowBack) {
    // Oceania comes after the first continents of the summary and the want lists.
    form->Database1.execute("DROP TABLE \"IOTA-OC\"");
    for (const char* command : {"PrintSummary1", "NeededWorked1", "Needed14", "needed7"}) {
        dialogs.answerMessage();
        press(*form, command);
        const QStringList errors = errorBoxTexts(dialogs);
        ASSERT_FALSE(errors.isEmpty()) << command;
        EXPECT_TRUE(errors.back().contains("IOTA-OC")) << errors.back().toStdString();
        expectNoViewShown(*form);
        EXPECT_FALSE(form->Table1.Active()) << command;
    }
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(dialogs.scriptUsedUp());
}

// Writes the printed summary, a continental list and a want list of a full data folder as PDF,
// as the preview's "Save as PDF..." does, when SKERRY_SCREENSHOT_DIR names a folder.
TEST_F(GuiTest, PdfsOfTheReports) {
    const QString folderName = qEnvironmentVariable("SKERRY_SCREENSHOT_DIR");
    if (folderName.isEmpty()) GTEST_SKIP() << "set SKERRY_SCREENSHOT_DIR to save the reports";
    const std::unique_ptr<TestDataFolder> full = fullDataFolder();
    auto form = startForm(Paths{full->path(), QCoreApplication::applicationDirPath()});
    std::vector<ShownReport> shown;
    QString fileName;
    form->setReportPreview(std::make_unique<CapturingPreview>(*form, shown, [&](const reports::Report& report) {
        reports::writeReportPdf(report, QDir(folderName).filePath(fileName), reports::defaultPaper(),
                                dateTimeText(clock));
    }));
    for (const auto& [entry, name] :
         {std::pair{"PrintSummary1", "printed-summary.pdf"}, std::pair{"neededW10", "europe-needed-list.pdf"},
          std::pair{"Needed14", "want-list-worked.pdf"}}) {
        fileName = name;
        press(*form, entry);
        EXPECT_TRUE(QFile::exists(QDir(folderName).filePath(name))) << name;
    }
    EXPECT_TRUE(dialogs.asked().empty());
}

}  // namespace
