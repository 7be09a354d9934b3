#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "listupdate/iota_json_preview_dialog.h"
#include "support/gui_fixture.h"
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
                  (QStringList{"AF-001", "-", "Agalega Islands → Agalega & St Brandon Islands"}));
        EXPECT_EQ(gridRow(*preview->ChangesGrid, 4), (QStringList{"OC-002", "W → D", "Howland Island → DELETED"}));
        EXPECT_EQ(preview->CountsLabel->text(), "6 changed, 2 unchanged, 2 unknown (not in the register: AF-099)");
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

// Cancel in the preview, and a file that is no list, write nothing; the latter shows why.
TEST_F(IotaJsonImport, CancelOrABrokenFileWritesNothing) {
    dialogs.answerOpenFile(groupsFixture("list.json")).answerExec(QDialog::Rejected);
    press(*form, QStringLiteral("fromIotaList1"));
    dialogs.answerOpenFile(groupsFixture("start.txt")).answerMessage();
    press(*form, QStringLiteral("fromIotaList1"));
    EXPECT_TRUE(dialogs.scriptUsedUp());
    const QStringList errors = errorBoxTexts(dialogs);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("it is no valid JSON")) << errors[0].toStdString();
    expectNoViewShown(*form);
    EXPECT_EQ(recordDifferences(before, recordsAfterClosing()), QStringList());
}

using RarityWantList = ReportTest;

TEST_F(RarityWantList, ListsTheNeededReferencesRarestFirst) {
    folder.execute(
        "CREATE TABLE \"Rarity\" (IOTA TEXT PRIMARY KEY, Credited REAL);"
        "INSERT INTO \"Rarity\" VALUES ('AN-001', 30), ('AN-002', 4.25)");
    startReportingForm();
    trigger(QStringLiteral("ByRarity1"));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown.front().labelText("QRLabel33").endsWith(" / rarest first, % of members credited"));
    const QStringList memo = shown.front().report.band(reports::BandType::Summary)->memo->lines;
    ASSERT_GE(memo.size(), 5);
    EXPECT_EQ(memo.mid(3, 2), (QStringList{"Antarctica:", "  AN-002   4.3%  AN-001  30.0%"}));
}

}  // namespace
