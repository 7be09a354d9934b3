#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QTableView>
#include <QTemporaryDir>

#include "register/codes.h"
#include "support/gui_fixture.h"

namespace {

// The record counts of the start-up tables, read from the folder itself.
std::array<int, 8> countedInFolder(const TestDataFolder& folder) {
    std::array<int, 8> counts{};
    const QStringList tables = startCountTables();
    for (qsizetype i = 0; i < tables.size(); ++i)
        counts[size_t(i)] =
            int(folder
                    .column(tables[i], tables[i] == QLatin1String(kAwardsTable) ? QStringLiteral("Award_name")
                                                                                : QStringLiteral("IOTA"))
                    .size());
    return counts;
}

void expectTableHandleReset(const TForm1& form) {
    EXPECT_FALSE(form.Table1.Active());
    EXPECT_EQ(form.Table1.TableName(), QString());
    EXPECT_EQ(form.Table1.Filter(), QString());
    EXPECT_FALSE(form.Table1.Filtered());
}

}  // namespace

TEST_F(GuiTest, StartsWithKnownOwnerWithoutAskingAnything) {
    setOwner(QStringLiteral("DL1ABC"), QStringLiteral("4711"));
    // Deleted and unallocated records count as well.
    folder.execute(QStringLiteral("UPDATE \"IOTA-EU\" SET Status = 'D' WHERE IOTA = 'EU-005'"));
    ASSERT_TRUE(folder.column(QStringLiteral("IOTA-EU"), QStringLiteral("Status")).contains(QStringLiteral("U")));
    const std::array<int, 8> expectedCounts = countedInFolder(folder);

    auto form = startForm();

    EXPECT_TRUE(dialogs.asked().empty());
    EXPECT_EQ(form->StartCounts, expectedCounts);
    for (int count : form->StartCounts) EXPECT_GT(count, 0);
    EXPECT_EQ(form->OwnerCallsign, QStringLiteral("DL1ABC"));
    EXPECT_EQ(form->OwnerDirectoryNo, QStringLiteral("4711"));
    EXPECT_EQ(form->CurrentGroup, QString());
    EXPECT_EQ(form->HelpFile, QStringLiteral("SKERRYDESK.HLP"));

    EXPECT_EQ(form->QuickRep1.QRLabel7, QStringLiteral("Report for DL1ABC"));
    EXPECT_EQ(form->QuickRep1.QRLabel8, QStringLiteral("Directory number 4711"));
    EXPECT_EQ(form->QuickRep2.QRLabel10, QStringLiteral("Report for DL1ABC"));
    EXPECT_EQ(form->QuickRep2.QRLabel11, QStringLiteral("Directory number 4711"));
    EXPECT_FALSE(form->QuickRep1.enabled);
    EXPECT_EQ(form->QuickRep1.title, QStringLiteral("Detailed Report"));
    EXPECT_EQ(form->QuickRep2.title, QStringLiteral("Summary"));
    EXPECT_EQ(form->QuickRep3.title, QStringLiteral("Want List"));

    expectNoViewShown(*form);
    expectAllFieldsUnbound(*form);
    expectTableHandleReset(*form);
    EXPECT_FALSE(form->Table1.ReadOnly());
    EXPECT_EQ(form->DBGrid1->toolTip(), QString());
    EXPECT_EQ(form->GroupLabel->text(), QStringLiteral("Groups "));
    EXPECT_EQ(form->DBGrid1->model()->columnCount(), 2);
    expectNoSplashLeft();

    form->show();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->centralWidget()->size(), QSize(793, 516));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Skerrydesk"));
}

TEST_F(GuiTest, StartsFromTheWorkingFolderNotTheProgramFolder) {
    setOwner(QStringLiteral("G3XYZ"), QStringLiteral("12"));
    const QTemporaryDir programFolder;
    auto form = startForm(Paths{folder.path(), programFolder.path()});
    EXPECT_TRUE(dialogs.asked().empty());
    EXPECT_EQ(form->OwnerCallsign, QStringLiteral("G3XYZ"));
}

TEST_F(GuiTest, MissingTableStopsStartUpButTheWindowOpens) {
    setOwner(QStringLiteral("DL1ABC"), QStringLiteral("4711"));
    folder.removeTable(QStringLiteral("IOTA-EU"));
    dialogs.answerMessage();

    auto form = startForm();

    const QStringList errors = errorBoxTexts(dialogs);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.front().contains(QStringLiteral("IOTA-EU"))) << errors.front().toStdString();
    EXPECT_TRUE(errors.front().endsWith(u'.'));
    // Counted before the failure: AF, AN, AS; the rest stay zero, and the owner was not read.
    EXPECT_GT(form->StartCounts[0], 0);
    EXPECT_GT(form->StartCounts[2], 0);
    for (size_t i = 3; i < form->StartCounts.size(); ++i) EXPECT_EQ(form->StartCounts[i], 0) << i;
    EXPECT_EQ(form->OwnerCallsign, QString());
    EXPECT_EQ(form->QuickRep1.QRLabel7, QString());
    expectNoViewShown(*form);
    expectAllFieldsUnbound(*form);
    expectNoSplashLeft();

    form->show();
    EXPECT_TRUE(form->isVisible());
}

TEST_F(GuiTest, MissingDataFolderStopsStartUpButTheWindowOpens) {
    const QTemporaryDir emptyWorkingFolder;
    dialogs.answerMessage();

    auto form = startForm(Paths{emptyWorkingFolder.path(), QCoreApplication::applicationDirPath()});

    const QStringList errors = errorBoxTexts(dialogs);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.front().endsWith(u'.'));
    EXPECT_EQ(form->StartCounts, (std::array<int, 8>{}));
    EXPECT_EQ(form->OwnerCallsign, QString());
    EXPECT_EQ(form->OwnerDirectoryNo, QString());
    expectNoViewShown(*form);
    expectAllFieldsUnbound(*form);
    expectNoSplashLeft();

    form->show();
    EXPECT_TRUE(form->isVisible());
}

TEST_F(GuiTest, FolderHeldByAnotherProgramIsReportedAndNothingIsWritten) {
    auto holder = std::make_unique<store::Database>(folder.dataFolder());
    store::Table held(*holder);
    held.Open();
    dialogs.answerMessage();

    auto form = startForm();

    const QStringList errors = errorBoxTexts(dialogs);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.front().contains(QStringLiteral("in use"))) << errors.front().toStdString();
    EXPECT_TRUE(errors.front().contains(folder.dataFolder())) << errors.front().toStdString();
    expectNoViewShown(*form);
    expectAllFieldsUnbound(*form);
    form->show();
    EXPECT_TRUE(form->isVisible());

    form.reset();
    held.Close();
    holder.reset();
    EXPECT_EQ(folder.ownerValue(QStringLiteral("Callsign")), QString()) << "the first-run setup never ran";
}
