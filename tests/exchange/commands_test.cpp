#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

#include "base/text_file.h"
#include "support/failing_vfs.h"
#include "support/files.h"
#include "support/gui_fixture.h"

namespace {

QString memberFixture(const char* name) {
    return QStringLiteral(SKERRY_FIXTURES "/member/%1/member.mbr").arg(QLatin1String(name));
}

class ExchangeTest : public GuiTest {
protected:
    void SetUp() override {
        setOwner("g3kma", "4711");
        folder.setOwnerValue("Last exported", "01-01-20");
        form = startForm();
        form->show();
        press(*form, "EuropeButton");
    }

    // Closes the window so that the folder can be read directly.
    void closeForm() { form.reset(); }

    std::unique_ptr<TForm1> form;
    QTemporaryDir out;
};

TEST_F(ExchangeTest, CancelledImportAndExportChangeNothing) {
    dialogs.answerOpenFile(QString());
    press(*form, "ImportButton");
    expectNoViewShown(*form);
    ASSERT_EQ(dialogs.asked(AskedDialog::Kind::OpenFile).size(), 1u);
    EXPECT_EQ(dialogs.asked(AskedDialog::Kind::OpenFile).front().title, "Import Data from Checkpoint");

    dialogs.answerSaveFile(QString());
    press(*form, "ExportButton");
    expectNoViewShown(*form);
    const AskedDialog save = dialogs.asked(AskedDialog::Kind::SaveFile).front();
    EXPECT_EQ(save.text, QDir::home().filePath("g3kma.upd")) << "the callsign keeps its letter case";
    closeForm();
    EXPECT_EQ(folder.ownerValue("Last exported"), "01-01-20");
    EXPECT_EQ(folder.column("IOTA-EU", "Status")[4], "-");
}

TEST_F(ExchangeTest, ImportRunsTheGaugeToTheEndAndUnlocks) {
    int highest = 0;
    QObject::connect(form->Progress, &QProgressBar::valueChanged,
                     [&](int value) { highest = std::max(highest, value); });
    dialogs.answerOpenFile(memberFixture("island-rules"));
    press(*form, "ImportButton");
    EXPECT_EQ(highest, 100);
    expectNoViewShown(*form);
    EXPECT_EQ(form->GroupLabel->text(), "Groups");
    EXPECT_EQ(form->Table1.TableName(), "IOTA-SA");
    EXPECT_FALSE(form->Table1.Filtered());
    EXPECT_FALSE(form->Table1.ReadOnly());
    EXPECT_EQ(form->OwnerCallsign, "g3kma") << "the owner read at start stays";
    closeForm();
    EXPECT_EQ(folder.column("IOTA-AF", "Status")[0], "A");
    EXPECT_EQ(folder.column("IOTA-EU", "ABW")[4], "B");
}

TEST_F(ExchangeTest, UnreadableFileIsReportedBeforeAnyTableIsWritten) {
    // A log picked by mistake is no member file: it would empty every owner row.
    writeFile(out.filePath("log.upf"), "EU-005 G3ABC first\r\n");
    for (const QString name : {"missing.mbr", "log.upf"}) {
        dialogs.answerOpenFile(out.filePath(name)).answerMessage();
        press(*form, "ImportButton");
    }
    const QStringList errors = errorBoxTexts(dialogs);
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0].contains("missing.mbr")) << errors[0].toStdString();
    EXPECT_TRUE(errors[1].contains("log.upf") && errors[1].contains("no member file")) << errors[1].toStdString();
    expectNoViewShown(*form);
    closeForm();
    EXPECT_EQ(folder.ownerValue("Callsign"), "g3kma");
}

TEST_F(ExchangeTest, ExportWritesTheFileThenTheDateAndARoundTripKeepsTheCalls) {
    dialogs.answerOpenFile(memberFixture("island-rules"));
    press(*form, "ImportButton");
    const QString file = out.filePath("export");
    dialogs.answerSaveFile(file);
    press(*form, "ExportButton");
    expectNoViewShown(*form);
    EXPECT_EQ(form->Table1.TableName(), "Owner");

    const QStringList lines = readTextLines(file + ".upd").toStringList();
    ASSERT_GT(lines.size(), 23);
    EXPECT_EQ(lines[0], "KAYROLL  2.07");
    EXPECT_EQ(lines[1], "CALLSIGN G3KMA");
    EXPECT_EQ(lines[2], "DIRNUM   4711");
    EXPECT_TRUE(lines[23].startsWith("ISLAND   EU-001")) << lines[23].toStdString();
    EXPECT_EQ(lines.filter("ISLAND   SA-").last().mid(9, 6), "SA-006") << "the last listed reference is written";
    EXPECT_EQ(lines.filter("ISLAND   AF-003").first().mid(16, 14).trimmed(), "ZD8ZZ/P");
    closeForm();
    EXPECT_EQ(folder.ownerValue("Last exported"), lines[4].mid(9));
}

TEST_F(ExchangeTest, AFailingWriteLeavesTheOldFileAndTheDate) {
    const QString file = writeFile(out.filePath("old.upd"), "KAYROLL  2.07\r\nold\r\n");
    dialogs.answerSaveFile(out.filePath("no/such/folder/x.upd")).answerMessage();
    press(*form, "ExportButton");
    ASSERT_EQ(errorBoxTexts(dialogs).size(), 1);
    EXPECT_TRUE(errorBoxTexts(dialogs).front().contains("x.upd"));
    expectNoViewShown(*form);
    closeForm();
    EXPECT_EQ(folder.ownerValue("Last exported"), "01-01-20");
    EXPECT_EQ(readTextLines(file).toStringList(), (QStringList{"KAYROLL  2.07", "old"}));
}

// The disk is put in place before the window connects to the folder.
class FullDiskImport : public StartedFormTest {
protected:
    FailingDisk disk;
};

TEST_F(FullDiskImport, ImportFromCPShowsTheErrorBoxWhenTheDiskIsFull) {
    dialogs.answerOpenFile(memberFixture("island-rules")).answerMessage();
    disk.failAfter(0);
    press(*form, "ImportButton");
    disk.heal();
    const QStringList errors = errorBoxTexts(dialogs);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.front().contains("is full; free some space")) << errors.front().toStdString();
    expectNoViewShown(*form);
    form.reset();
    EXPECT_EQ(folder.column("IOTA-AF", "Status")[0], "-") << "the import would approve AF-001";
    EXPECT_EQ(folder.ownerValue("Callsign"), "DL1ABC");
}

}  // namespace
