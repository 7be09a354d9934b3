#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

#include "base/text_file.h"
#include "logimport/upf_mode_choices.h"
#include "logimport/upf_mode_dialog.h"
#include "support/files.h"
#include "support/gui_fixture.h"
#include "support/island_records.h"
#include "support/screenshot.h"

namespace {

class LogImport : public GuiTest {
protected:
    void SetUp() override { setOwner(QStringLiteral("DL1ABC"), QStringLiteral("4711")); }

    QString inputFile(const QString& name, const QByteArray& bytes) { return writeFile(m_files.filePath(name), bytes); }

    // Lays a fixture's start values over the data folder; the records as they then are.
    IslandRecords prepare(const QString& caseName) {
        writeRecordValues(folder, readRecordValues(fixtureFile(caseName, QStringLiteral("start.txt"))));
        return readIslandRecords(folder);
    }

    // Presses a menu entry on a window of its own; the window is closed again so that the
    // records can be read.
    void runOnce(const QString& entry) {
        auto form = startForm();
        press(*form, entry);
        expectNoViewShown(*form);
    }

private:
    QTemporaryDir m_files;
};

struct ModeCase {
    const char* name;
    int result;
    const char* expectedFile;
};

TEST_F(LogImport, UpfImportInEitherModeFollowsTheDecisionTable) {
    const ModeCase cases[] = {
        {"Worked", upfmode::kResultNo, "expected-worked.txt"},
        {"Claim!", upfmode::kResultYes, "expected-claim.txt"},
    };
    for (const ModeCase& mode : cases) {
        const IslandRecords before = prepare(QStringLiteral("upf_status_decisions"));
        dialogs.answerOpenFile(fixtureFile(QStringLiteral("upf_status_decisions"), QStringLiteral("input.upf")))
            .answerExec(mode.result);
        runOnce(QStringLiteral("N5ImportUPF1"));
        const IslandRecords expected = withValues(
            before, readRecordValues(fixtureFile(QStringLiteral("upf_status_decisions"), mode.expectedFile)));
        EXPECT_EQ(recordDifferences(expected, readIslandRecords(folder)), QStringList()) << mode.name;
    }
    EXPECT_TRUE(dialogs.scriptUsedUp());
}

TEST_F(LogImport, UpfFileDialogAndModeDialogAsDescribed) {
    dialogs.answerOpenFile(QString());
    auto form = startForm();
    press(*form, QStringLiteral("N5ImportUPF1"));
    const auto asked = dialogs.asked(AskedDialog::Kind::OpenFile);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].title, QStringLiteral("Import Data from Log"));
    EXPECT_EQ(asked[0].text, QDir::homePath()) << "the dialog starts in the home folder";
}

TEST_F(LogImport, CancelOrAbortChangesNothing) {
    const IslandRecords before = prepare(QStringLiteral("upf_status_decisions"));
    const QString upf = fixtureFile(QStringLiteral("upf_status_decisions"), QStringLiteral("input.upf"));
    dialogs.answerOpenFile(QString());
    runOnce(QStringLiteral("N5ImportUPF1"));
    EXPECT_TRUE(dialogs.asked(AskedDialog::Kind::Exec).empty()) << "no mode is asked without a file";
    dialogs.answerOpenFile(upf).answerExec(upfmode::kResultCancel);
    runOnce(QStringLiteral("N5ImportUPF1"));
    // Closing the dialog by its title bar gives Cancel as Abort does; any other result too.
    dialogs.answerOpenFile(upf).answerExec(QDialog::Rejected);
    runOnce(QStringLiteral("N5ImportUPF1"));
    dialogs.answerOpenFile(QString());
    runOnce(QStringLiteral("N7HQImport1"));
    EXPECT_EQ(recordDifferences(before, readIslandRecords(folder)), QStringList());
    EXPECT_TRUE(dialogs.scriptUsedUp());
    EXPECT_TRUE(errorBoxTexts(dialogs).isEmpty());
}

// The gauge shows 0 while the mode is asked, then 14 ... 98 as the passes start, and is gone at the end.
TEST_F(LogImport, UpfGaugeStepsThroughTheSevenPasses) {
    auto form = startForm();
    form->show();
    QList<int> shown;
    QObject::connect(form->Progress, &QProgressBar::valueChanged, [&](int value) {
        EXPECT_FALSE(form->Progress->isHidden()) << value;
        shown << value;
    });
    dialogs.answerOpenFile(inputFile("af.upf", "AF-001 K1ABC\r\n"))
        .answerExec(upfmode::kResultNo, [&](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Enter Import Mode (UPF)"));
            EXPECT_EQ(form->GroupLabel->text(), QStringLiteral("Parsing UPF data ..."));
            EXPECT_FALSE(form->GroupLabel->isHidden());
            EXPECT_FALSE(form->Progress->isHidden());
            EXPECT_EQ(form->Progress->value(), 0);
            for (QPushButton* button : form->viewButtons()) EXPECT_FALSE(button->isEnabled());
        });
    press(*form, QStringLiteral("N5ImportUPF1"));
    EXPECT_EQ(shown, (QList<int>{14, 28, 42, 56, 70, 84, 98}));
    EXPECT_TRUE(form->Progress->isHidden());
    EXPECT_EQ(form->GroupLabel->text(), QStringLiteral("Groups"));
    expectNoViewShown(*form);
}

TEST_F(LogImport, CsvImportSetsCallsAndStatusesAndLeavesTheTableReadOnly) {
    const IslandRecords before = prepare(QStringLiteral("csv_statuses"));
    dialogs.answerOpenFile(fixtureFile(QStringLiteral("csv_statuses"), QStringLiteral("input.csv")));
    auto form = startForm();
    press(*form, QStringLiteral("N7HQImport1"));
    const auto asked = dialogs.asked(AskedDialog::Kind::OpenFile);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, QDir::home().filePath(QStringLiteral("myqsos.csv")));
    expectNoViewShown(*form);
    EXPECT_TRUE(form->Table1.ReadOnly());
    EXPECT_FALSE(form->Table1.Filtered());
    for (QPushButton* button : {form->btnGo, form->btnStop, form->ImportURL, form->Abort})
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString() << " stays disabled";
    form.reset();
    const IslandRecords expected = withValues(
        before, readRecordValues(fixtureFile(QStringLiteral("csv_statuses"), QStringLiteral("expected.txt"))));
    EXPECT_EQ(recordDifferences(expected, readIslandRecords(folder)), QStringList());
}

TEST_F(LogImport, CsvCancelLeavesTheTableReadOnly) {
    dialogs.answerOpenFile(QString());
    auto form = startForm();
    press(*form, QStringLiteral("N7HQImport1"));
    expectNoViewShown(*form);
    EXPECT_TRUE(form->Table1.ReadOnly());
    EXPECT_FALSE(form->Table1.Active());
}

TEST_F(LogImport, AnUnreadableFileEndsTheCommandWithTheErrorBox) {
    const IslandRecords before = readIslandRecords(folder);
    const QString missing = QDir(folder.path()).filePath(QStringLiteral("missing.upf"));
    dialogs.answerOpenFile(missing).answerMessage();
    dialogs.answerOpenFile(missing).answerMessage();
    runOnce(QStringLiteral("N5ImportUPF1"));
    runOnce(QStringLiteral("N7HQImport1"));
    const QStringList boxes = errorBoxTexts(dialogs);
    ASSERT_EQ(boxes.size(), 2);
    for (const QString& box : boxes)
        EXPECT_TRUE(box.startsWith("Cannot read " + QDir::toNativeSeparators(missing))) << box.toStdString();
    EXPECT_EQ(recordDifferences(before, readIslandRecords(folder)), QStringList());
}

struct Junk {
    const char* name;
    QByteArray bytes;
};

std::vector<Junk> junkFiles() {
    return {
        {"a JPEG picture", fileBytes(fixtureFile(QStringLiteral("cards"), QStringLiteral("front.jpg")))},
        {"random bytes", randomBytes(11, 256 * 1024, 0)},
        {"invalid UTF-8", randomBytes(13, 64 * 1024, 0x80)},
        {"the longest lines read", QByteArray(kMaxTextLineLength, 'A') + "\r\n" + QByteArray(kMaxTextLineLength, '"')},
        {"a line of only blanks", QByteArray(4096, ' ')},
        // A CSV contact line cut short: AF-001 gets an empty call and "-", which it holds already.
        {"lines shorter than a contact", "\"AF-001\"\r\n\"AF\r\nAF-\r\n\""},
    };
}

struct JunkCommand {
    const char* name;
    const char* entry;
    bool asksMode;
};

const JunkCommand kJunkCommands[] = {
    {"UPF import", "N5ImportUPF1", true},
    {"CSV import", "N7HQImport1", false},
    {"update from file", "fromFile1", false},
};

// Files chosen by mistake hold no contact and no record line: every command gets through them.
TEST_F(LogImport, EveryCommandGetsThroughJunkFiles) {
    const IslandRecords before = readIslandRecords(folder);
    for (const Junk& junk : junkFiles()) {
        ASSERT_FALSE(junk.bytes.isEmpty()) << junk.name;
        const QString fileName = inputFile(QStringLiteral("junk"), junk.bytes);
        for (const JunkCommand& command : kJunkCommands) {
            dialogs.answerOpenFile(fileName);
            if (command.asksMode) dialogs.answerExec(upfmode::kResultYes);
            runOnce(command.entry);
            EXPECT_TRUE(dialogs.scriptUsedUp()) << command.name << " on " << junk.name;
            EXPECT_EQ(recordDifferences(before, readIslandRecords(folder)), QStringList())
                << command.name << " on " << junk.name;
        }
    }
    EXPECT_TRUE(errorBoxTexts(dialogs).isEmpty());
}

// 50 MB of lines of one reference: each command reads it whole and applies the rules.
TEST_F(LogImport, FiftyMegabyteFilesAreImported) {
    struct Big {
        const char* line;
        const char* entry;
        bool asksMode;
        const char* field;
        const char* value;
    };
    const Big files[] = {
        {"AF-001 K1ABC a comment that makes the line longer", "N5ImportUPF1", true, "Call", "K1ABC"},
        {"\"AS-001\",\"K2ABC\",\"Accepted\" and a tail to make it longer", "N7HQImport1", false, "Status", "A"},
    };
    for (const Big& big : files) {
        const QByteArray line = QByteArray(big.line) + "\r\n";
        const QString fileName = inputFile(QStringLiteral("big"), line.repeated(50 * 1024 * 1024 / line.size()));
        dialogs.answerOpenFile(fileName);
        if (big.asksMode) dialogs.answerExec(upfmode::kResultNo);
        runOnce(big.entry);
        const IslandRecords after = readIslandRecords(folder);
        const QString reference = QString::fromLatin1(big.line).remove(u'"').left(6);
        EXPECT_EQ(after[reference][big.field], QLatin1String(big.value)) << big.line;
    }
    EXPECT_TRUE(errorBoxTexts(dialogs).isEmpty());
}

// The menu entries run the commands.
TEST_F(LogImport, MenuEntriesRunTheCommands) {
    auto form = startForm();
    const std::pair<const char*, QString> entries[] = {
        {"N5ImportUPF1", QDir::homePath()},
        {"N7HQImport1", QDir::home().filePath(QStringLiteral("myqsos.csv"))},
        {"fromFile1", QDir::home().filePath(QStringLiteral("update.txt"))},
    };
    for (const auto& [entry, proposed] : entries) {
        dialogs.answerOpenFile(QString());
        press(*form, entry);
        ASSERT_FALSE(dialogs.asked().empty()) << entry;
        EXPECT_EQ(dialogs.asked().back().text, proposed) << entry;
        expectNoViewShown(*form);
    }
}

// The tab chain from the memo: the widgets that take the focus by Tab.
QList<QWidget*> tabChain(QWidget* first) {
    QList<QWidget*> chain{first};
    for (QWidget* next = first->nextInFocusChain(); next != first; next = next->nextInFocusChain())
        if (next->focusPolicy() & Qt::TabFocus) chain << next;
    return chain;
}

void pressKey(QWidget* widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

class UpfModeDialog : public ::testing::Test {
protected:
    QPushButton* button(const char* name) { return dialog.findChild<QPushButton*>(QLatin1String(name)); }

    TUPF_mode dialog;
};

TEST_F(UpfModeDialog, ShowsTheRulesAboveTheThreeButtons) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Enter Import Mode (UPF)"));
    EXPECT_EQ(dialog.size(), QSize(465, 382));
    EXPECT_TRUE(dialog.Memo1->isReadOnly());
    EXPECT_EQ(dialog.Memo1->font().pixelSize(), 13);
    const QStringList lines = dialog.Memo1->toPlainText().split(u'\n');
    EXPECT_EQ(lines.size(), 29);
    EXPECT_EQ(lines, upfmode::memoLines());
    EXPECT_EQ(lines[0], QStringLiteral("Procedure to import islands, either worked or confirmed, "));
    const char* captions[][2] = {{"Button1", "&Worked"}, {"Button2", "&Claim!"}, {"Button3", "&Abort"}};
    for (const auto& [name, caption] : captions) {
        ASSERT_NE(button(name), nullptr) << name;
        EXPECT_EQ(button(name)->text(), QLatin1String(caption));
    }
    EXPECT_TRUE(button("Button1")->isDefault());
    EXPECT_EQ(tabChain(dialog.Memo1),
              (QList<QWidget*>{dialog.Memo1, button("Button1"), button("Button2"), button("Button3")}));
    EXPECT_EQ(dialog.focusWidget(), dialog.Memo1) << "the memo has the focus when the dialog opens";
    saveScreenshot(dialog, QStringLiteral("upf-mode-dialog"));
}

TEST_F(UpfModeDialog, EachButtonGivesItsResult) {
    const std::pair<const char*, std::optional<ImportMode>> choices[] = {
        {"Button1", ImportMode::Worked}, {"Button2", ImportMode::Claim}, {"Button3", std::nullopt}};
    for (const auto& [name, mode] : choices) {
        dialog.show();
        button(name)->click();
        EXPECT_TRUE(dialog.isHidden()) << name;
        EXPECT_EQ(upfmode::modeForResult(dialog.result()), mode) << name;
    }
    dialog.show();
    dialog.close();
    EXPECT_EQ(dialog.result(), upfmode::kResultCancel) << "closing by the title bar is Abort";
}

TEST_F(UpfModeDialog, EscOnAnyButtonMeansClaim) {
    for (const char* name : {"Button1", "Button2", "Button3"}) {
        dialog.setResult(0);
        dialog.show();
        button(name)->setFocus();
        pressKey(button(name), Qt::Key_Escape);
        EXPECT_TRUE(dialog.isHidden()) << name;
        EXPECT_EQ(dialog.result(), upfmode::kResultYes) << name;
    }
}

TEST_F(UpfModeDialog, TheMemoTakesEnterAndEscItself) {
    dialog.setResult(0);
    dialog.show();
    dialog.Memo1->setFocus();
    for (int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        pressKey(dialog.Memo1, key);
        EXPECT_FALSE(dialog.isHidden()) << key;
        EXPECT_EQ(dialog.result(), 0) << key;
    }
}

}  // namespace
