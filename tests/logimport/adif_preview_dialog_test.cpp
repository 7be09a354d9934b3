#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>

#include "logimport/adif_preview_dialog.h"
#include "support/files.h"
#include "support/gui_fixture.h"
#include "support/island_records.h"
#include "support/screenshot.h"

namespace {

const QString kRules = QStringLiteral("adif_rules");

// The window on the start of the rules case, with the settings kept in a folder of the test's own.
class AdifImportWindow : public GuiTest {
protected:
    void SetUp() override {
        setOwner(QStringLiteral("DL1ABC"), QStringLiteral("4711"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
        writeRecordValues(folder, readRecordValues(fixtureFile(kRules, QStringLiteral("start.txt"))));
        before = readIslandRecords(folder);
    }

    IslandRecords before;

private:
    QTemporaryDir m_settings;
};

QStringList rowTexts(const QTableWidget& table, int row) {
    QStringList texts;
    for (int column = 0; column < table.columnCount(); ++column) texts << table.item(row, column)->text();
    return texts;
}

// The preview shows every change for the sources ticked, plans anew when they change and
// "&Import" writes what it showed; the choice of sources is remembered.
TEST_F(AdifImportWindow, ImportWritesWhatThePreviewShows) {
    auto form = startForm();
    form->show();
    dialogs.answerOpenFile(fixtureFile(kRules, QStringLiteral("input.adx")))
        .answerExec(QDialog::Accepted, [&](QDialog& dialog) {
            auto& preview = dynamic_cast<AdifPreviewDialog&>(dialog);
            EXPECT_EQ(preview.windowTitle(), QStringLiteral("Import ADIF"));
            EXPECT_EQ(form->GroupLabel->text(), QStringLiteral("input.adx: 11 QSOs, 11 references, 0 skipped"));
            EXPECT_FALSE(form->Progress->isVisibleTo(form.get())) << "no gauge at 0% behind the preview";
            EXPECT_TRUE(preview.ImportButton->isDefault());
            EXPECT_EQ(preview.OriginLabel, nullptr) << "a logger's log says nothing of its origin";
            for (QPushButton* button : form->viewButtons()) EXPECT_FALSE(button->isEnabled()) << "the window is locked";
            EXPECT_EQ(preview.sources(), defaultConfirmationSources());
            EXPECT_EQ(preview.CountsLabel->text(), "11 changed, 0 unchanged, 0 skipped (4 to A, 2 to C, 5 to W)");
            EXPECT_EQ(rowTexts(*preview.ChangeTable, 7), (QStringList{"AS-004", "Cyprus", "- \u2192 W", "5B4H"}));
            preview.show();
            for (const char* box : {"lotwCheckBox", "eqslCheckBox"}) press(*form, QLatin1String(box));
            EXPECT_EQ(preview.CountsLabel->text(), "11 changed, 0 unchanged, 0 skipped (4 to A, 4 to C, 3 to W)");
            EXPECT_EQ(rowTexts(*preview.ChangeTable, 7), (QStringList{"AS-004", "Cyprus", "- \u2192 C", "5B4H"}));
            EXPECT_EQ(preview.SkippedMemo->toPlainText(), "0 of 11 QSOs skipped");
            saveScreenshot(preview, QStringLiteral("adif-preview-dialog"));
            press(*form, QStringLiteral("AdifImportButton"));
            EXPECT_EQ(preview.result(), QDialog::Accepted);
        });
    press(*form, QStringLiteral("N8ImportADIF1"));
    EXPECT_TRUE(dialogs.scriptUsedUp());
    EXPECT_TRUE(errorBoxTexts(dialogs).isEmpty());
    expectNoViewShown(*form);
    form.reset();
    const IslandRecords expected =
        withValues(before, readRecordValues(fixtureFile(kRules, QStringLiteral("expected-card+lotw+eqsl.txt"))));
    EXPECT_EQ(recordDifferences(expected, readIslandRecords(folder)), QStringList());
    const AdifLog noLog;
    const IslandRecordStates noRecords;
    const AdifPreviewDialog next(QString(), noLog, noRecords);
    EXPECT_EQ(next.sources().count(), 3u) << "the sources ticked are remembered";
}

// A LoTW report's QSL_RCVD is LoTW's confirmation: the preview says so, and it gives "C" only
// while LoTW is counted. The skipped QSOs come grouped, the malformed reference first.
TEST_F(AdifImportWindow, ALotwReportConfirmsByLotwOnly) {
    QTemporaryDir dir;
    const QString fileName = writeFile(dir.filePath(QStringLiteral("lotwreport.adi")),
                                       "ARRL Logbook of the World Status Report\n<PROGRAMID:4>LoTW\n<eoh>\n"
                                       "<CALL:4>5B4H<IOTA:6>AS-004<QSL_RCVD:1>Y<eor>\n<CALL:4>K1AB<QSL_RCVD:1>Y<eor>\n"
                                       "<CALL:4>K1XY<IOTA:4>AS04<QSL_RCVD:1>Y<eor>\n");
    auto form = startForm();
    form->show();
    dialogs.answerOpenFile(fileName).answerExec(QDialog::Rejected, [&](QDialog& dialog) {
        auto& preview = dynamic_cast<AdifPreviewDialog&>(dialog);
        ASSERT_NE(preview.OriginLabel, nullptr);
        EXPECT_EQ(preview.OriginLabel->text(), QStringLiteral("LoTW report: its confirmations count as LoTW"));
        EXPECT_EQ(preview.CountsLabel->text(), "1 changed, 0 unchanged, 2 skipped (1 to W)");
        EXPECT_EQ(preview.SkippedMemo->toPlainText(),
                  "2 of 3 QSOs skipped\n1 with a malformed reference:\n    record 3, K1XY: malformed reference "
                  "\"AS04\"\n1 without an IOTA field:\n    record 2, K1AB: no IOTA field");
        preview.show();
        press(*form, QStringLiteral("lotwCheckBox"));
        EXPECT_EQ(preview.CountsLabel->text(), "1 changed, 0 unchanged, 2 skipped (1 to C)");
        saveScreenshot(preview, QStringLiteral("adif-preview-lotw"));
        press(*form, QStringLiteral("AdifCancelButton"));
    });
    press(*form, QStringLiteral("N8ImportADIF1"));
    EXPECT_TRUE(dialogs.scriptUsedUp());
    EXPECT_TRUE(errorBoxTexts(dialogs).isEmpty());
}

// "&Cancel" writes nothing; nor does a file that is no ADIF log, whose error box names it.
TEST_F(AdifImportWindow, CancelOrABadFileWritesNothing) {
    auto form = startForm();
    form->show();
    dialogs.answerOpenFile(fixtureFile(kRules, QStringLiteral("input.adi")))
        .answerExec(QDialog::Rejected, [&](QDialog& dialog) {
            dialog.show();
            press(*form, QStringLiteral("AdifCancelButton"));
            EXPECT_EQ(dialog.result(), QDialog::Rejected);
        });
    press(*form, QStringLiteral("N8ImportADIF1"));
    const QString junk = fixtureFile(QStringLiteral("cards"), QStringLiteral("front.jpg"));
    dialogs.answerOpenFile(junk).answerMessage();
    press(*form, QStringLiteral("N8ImportADIF1"));
    EXPECT_TRUE(dialogs.scriptUsedUp());
    EXPECT_EQ(errorBoxTexts(dialogs), QStringList{"Cannot read " + QDir::toNativeSeparators(junk) +
                                                  ": it holds no ADIF log: no <EOH> or <EOR> tag; choose an ADIF file "
                                                  "(*.adi, *.adif, *.adx)."});
    expectNoViewShown(*form);
    form.reset();
    EXPECT_EQ(recordDifferences(before, readIslandRecords(folder)), QStringList());
}

}  // namespace
