#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include "listupdate/iota_json_preview_dialog.h"
#include "support/files.h"
#include "support/gui_fixture.h"
#include "support/iota_lists.h"
#include "support/island_records.h"
#include "support/report_fixture.h"
#include "support/screenshot.h"

namespace {

QString groupsFixture(const char* file) {
    return fixtureFile(QStringLiteral("iota_json_groups"), QLatin1String(file));
}

QStringList gridRow(const QTableWidget& grid, int row) {
    QStringList cells;
    for (int column = 0; column < grid.columnCount(); ++column) cells << grid.item(row, column)->text();
    return cells;
}

class IotaJsonImport : public GuiTest {
protected:
    void SetUp() override {
        setOwner(QStringLiteral("DL1ABC"), QStringLiteral("4711"));
        writeRecordValues(folder, readRecordValues(groupsFixture("start.txt")));
        before = readIslandRecords(folder);
        form = startForm();
        form->show();
    }

    // The records once the window has let go of the data folder.
    IslandRecords recordsAfterClosing() {
        form.reset();
        return readIslandRecords(folder);
    }

    IslandRecords before;
    std::unique_ptr<TForm1> form;
};

TEST_F(IotaJsonImport, PreviewShowsTheChangesAndImportWritesThem) {
    dialogs.answerOpenFile(groupsFixture("list.json")).answerExec(QDialog::Accepted, [this](QDialog& dialog) {
        auto* preview = qobject_cast<TIotaJsonPreview*>(&dialog);
        ASSERT_NE(preview, nullptr);
        saveScreenshot(*preview, QStringLiteral("iota-json-preview-dialog"));
        EXPECT_FALSE(form->GroupBox3->isEnabled()) << "the window is locked meanwhile";
        ASSERT_EQ(preview->ChangesGrid->rowCount(), 6);
        EXPECT_EQ(gridRow(*preview->ChangesGrid, 0),
                  (QStringList{"AF-001", "-", "", "Agalega Islands → Agalega & St Brandon Islands", " → 4",
                               " → 56.4 59.8 -16.8 -10.3"}));
        EXPECT_EQ(gridRow(*preview->ChangesGrid, 2),
                  (QStringList{"EU-007", "A", " → B", "Aran Islands → Aran Islands (Ireland)", "", ""}));
        EXPECT_EQ(gridRow(*preview->ChangesGrid, 4),
                  (QStringList{"OC-002", "W → D", "", "Howland Island → DELETED", "", ""}));
        EXPECT_EQ(preview->CountsLabel->text(), "6 changed, 2 unchanged, 2 unknown (not in the register: AF-099)");
        EXPECT_TRUE(preview->AbsentLabel->isHidden()) << "a partial list leaves nothing out";
        EXPECT_TRUE(preview->AbsentGrid->isHidden());
        EXPECT_EQ(preview->CancelButton->text(), "&Cancel");
        EXPECT_EQ(preview->ImportButton->text(), "&Import");
        ASSERT_TRUE(preview->ImportButton->isEnabled());
        preview->ImportButton->click();
        EXPECT_EQ(preview->result(), QDialog::Accepted);
    });
    press(*form, QStringLiteral("fromIotaList1"));
    EXPECT_TRUE(dialogs.scriptUsedUp());
    EXPECT_EQ(dialogs.asked(AskedDialog::Kind::OpenFile).front().text,
              QDir::home().filePath(QStringLiteral("groups.json")));
    EXPECT_TRUE(errorBoxTexts(dialogs).isEmpty());
    expectNoViewShown(*form);
    EXPECT_TRUE(form->Table1.ReadOnly());
    const IslandRecords expected = withValues(before, readRecordValues(groupsFixture("expected.txt")));
    EXPECT_EQ(recordDifferences(expected, recordsAfterClosing()), QStringList());
}

// Cancel in the preview, a file that is no list and a list with a group award the programme does
// not have write nothing; the latter two show why.
TEST_F(IotaJsonImport, CancelOrABrokenFileWritesNothing) {
    dialogs.answerOpenFile(groupsFixture("list.json")).answerExec(QDialog::Rejected);
    press(*form, QStringLiteral("fromIotaList1"));
    dialogs.answerOpenFile(groupsFixture("start.txt")).answerMessage();
    press(*form, QStringLiteral("fromIotaList1"));
    dialogs.answerOpenFile(fixtureFile("refused_iota_json", "unknown_region.json")).answerMessage();
    press(*form, QStringLiteral("fromIotaList1"));
    EXPECT_TRUE(dialogs.scriptUsedUp());
    const QStringList errors = errorBoxTexts(dialogs);
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0].contains("it is no valid JSON")) << errors[0].toStdString();
    EXPECT_TRUE(errors[1].contains("the group OC-001 has the grp_region \"Oceania\"")) << errors[1].toStdString();
    expectNoViewShown(*form);
    EXPECT_EQ(recordDifferences(before, recordsAfterClosing()), QStringList());
}

// The complete list names neither AF-001 (needed) nor AF-003 (worked): under their own heading,
// the first is deleted, the second kept.
TEST_F(IotaJsonImport, CompleteListShowsWhatItLeavesOutUnderItsOwnHeading) {
    form.reset();
    writeRecordValues(folder, {{"AF-003", {{"Status", "W"}, {"Call", "ZD8X"}}}});
    form = startForm();
    form->show();
    QTemporaryDir dir;
    const QString list = writeFile(dir.filePath("fulllist.json"), completeIotaList({"AF-001", "AF-003"}));
    dialogs.answerOpenFile(list).answerExec(QDialog::Accepted, [](QDialog& dialog) {
        auto* preview = qobject_cast<TIotaJsonPreview*>(&dialog);
        ASSERT_NE(preview, nullptr);
        preview->show();
        saveScreenshot(*preview, QStringLiteral("iota-json-preview-complete-list"));
        EXPECT_FALSE(preview->AbsentLabel->isHidden());
        EXPECT_EQ(preview->AbsentLabel->text(), "Not in the programme's list: 2");
        ASSERT_EQ(preview->AbsentGrid->rowCount(), 2);
        EXPECT_EQ(gridRow(*preview->AbsentGrid, 0), (QStringList{"AF-001", "- → D", "Agalega Islands → DELETED",
                                                                 "not in the programme's list: deleted"}));
        EXPECT_EQ(gridRow(*preview->AbsentGrid, 1),
                  (QStringList{"AF-003", "W", "Ascension Island", "not in the programme's list: kept as W"}));
        preview->ImportButton->click();
    });
    press(*form, QStringLiteral("fromIotaList1"));
    EXPECT_TRUE(dialogs.scriptUsedUp());
    EXPECT_TRUE(errorBoxTexts(dialogs).isEmpty());
    const IslandRecords after = recordsAfterClosing();
    EXPECT_EQ(after["AF-001"]["Status"], "D");
    EXPECT_EQ(after["AF-003"]["Status"], "W");
    EXPECT_EQ(after["AF-003"]["Call"], "ZD8X");
}

using RarityWantList = ReportTest;

TEST_F(RarityWantList, ListsTheNeededReferencesRarestFirst) {
    folder.execute(
        "CREATE TABLE \"Rarity\" (IOTA TEXT PRIMARY KEY, Credited REAL);"
        "INSERT INTO \"Rarity\" VALUES ('AN-001', 30), ('AN-002', 4.25)");
    startReportingForm();
    press(*form, QStringLiteral("ByRarity1"));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown.front().labelText("QRLabel33").endsWith(" / rarest first, % of members credited"));
    const QStringList memo = shown.front().report.band(reports::BandType::Summary)->memo->lines;
    ASSERT_GE(memo.size(), 5);
    EXPECT_EQ(memo.mid(3, 2), (QStringList{"Antarctica:", "  AN-002   4.3%  AN-001  30.0%"}));
}

}  // namespace
