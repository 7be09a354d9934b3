#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "base/text_file.h"
#include "listupdate/http_client.h"
#include "listupdate/update_panel_rules.h"
#include "support/files.h"
#include "support/gui_fixture.h"
#include "support/island_records.h"
#include "support/local_http_server.h"
#include "support/screenshot.h"

namespace {

QString fixture(const char* caseName, const char* fileName) {
    return fixtureFile(QLatin1String(caseName), QLatin1String(fileName));
}

QStringList comboItems(const QComboBox& box) {
    QStringList items;
    for (int i = 0; i < box.count(); ++i) items << box.itemText(i);
    return items;
}

// Enabled states of Go, Stop, Import and Abort.
std::array<bool, 4> panelButtons(const TForm1& form) {
    return {form.btnGo->isEnabled(), form.btnStop->isEnabled(), form.ImportURL->isEnabled(), form.Abort->isEnabled()};
}

constexpr std::array<bool, 4> kAfterDownload{true, false, true, true};

bool hourglassShown() {
    return QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
}

class ListUpdate : public GuiTest {
protected:
    void SetUp() override { setOwner(QStringLiteral("DL1ABC"), QStringLiteral("4711")); }

    // The window holds the data folder until it is closed: records are prepared and read around it.
    void start() {
        form = startForm(programPaths());
        form->show();
    }

    // The history file lies beside the program, here a folder of its own.
    Paths programPaths() const { return Paths{folder.path(), programFolder.path()}; }
    QString historyFile() const { return QDir(programFolder.path()).filePath(QStringLiteral("history.dat")); }

    void writeHistory(const QByteArray& bytes) { writeFile(historyFile(), bytes); }

    // Opens the panel, types the address and presses Go.
    void download(const QString& address) {
        press(*form, QStringLiteral("viaInternet1"));
        form->cbURL->setEditText(address);
        press(*form, QStringLiteral("btnGo"));
    }

    // Presses a control once the download waits, after looking at the window.
    void whileWaiting(const QString& control, std::function<void()> look = {}) {
        QTimer::singleShot(150, form.get(), [this, control, look] {
            if (look) look();
            press(*form, control);
        });
    }

    // The records once the window has let go of the data folder.
    IslandRecords recordsAfterClosing() {
        form.reset();
        return readIslandRecords(folder);
    }

    QTemporaryDir programFolder;
    LocalHttpServer server;
    std::unique_ptr<TForm1> form;
};

TEST_F(ListUpdate, OpeningThePanelForTheFirstTime) {
    start();
    press(*form, QStringLiteral("viaInternet1"));
    EXPECT_FALSE(form->InternetPanel->isHidden());
    EXPECT_EQ(form->InternetPanel->geometry(), form->centralWidget()->rect()) << "the panel covers the client area";
    EXPECT_EQ(panelButtons(*form), (std::array<bool, 4>{true, false, false, true}));
    EXPECT_EQ(form->cbURL->count(), 0);
    EXPECT_EQ(form->cbURL->currentText(), QStringLiteral("Select URL to update from and press Go!"));
    EXPECT_EQ(form->memoHTML->toPlainText().split(u'\n'), updatepanel::initialMemoLines());
    for (QPushButton* button : form->viewButtons()) EXPECT_FALSE(button->isEnabled());
    EXPECT_FALSE(form->GroupBox3->isEnabled());
    EXPECT_TRUE(form->MainMenu1->isEnabled()) << "the main menu stays usable";
    EXPECT_FALSE(hourglassShown());
}

TEST_F(ListUpdate, OpeningThePanelReadsTheHistory) {
    start();
    writeHistory("http://a.example/update.txt\r\nhttp://b.example/list.txt\r\n");
    press(*form, QStringLiteral("viaInternet1"));
    EXPECT_EQ(comboItems(*form->cbURL), (QStringList{"http://a.example/update.txt", "http://b.example/list.txt"}));
    EXPECT_EQ(form->cbURL->currentText(), QStringLiteral("Select URL to update from and press Go!"));
}

// The fetched text, applied by Import, changes the records exactly as the same file does.
TEST_F(ListUpdate, ImportAppliesTheDownloadLikeTheSameFile) {
    const QByteArray body = fileBytes(fixture("update_island_rules", "update.txt"));
    server.serve("/update.txt", body);
    const IslandRecords startValues = readRecordValues(fixture("update_island_rules", "start.txt"));
    writeRecordValues(folder, startValues);
    TestDataFolder other;
    other.setOwnerValue(QStringLiteral("Callsign"), QStringLiteral("DL1ABC"));
    writeRecordValues(other, startValues);
    start();

    download(server.url("/update.txt"));
    EXPECT_EQ(panelButtons(*form), kAfterDownload);
    EXPECT_EQ(form->memoHTML->toPlainText().split(u'\n'), splitLines(decodeText(body)));
    press(*form, QStringLiteral("ImportURL"));
    EXPECT_TRUE(form->Table1.ReadOnly());
    EXPECT_FALSE(form->Table1.Filtered());
    expectNoViewShown(*form);
    const IslandRecords fetched = recordsAfterClosing();

    dialogs.answerOpenFile(fixture("update_island_rules", "update.txt"));
    auto fromFile = startForm(Paths{other.path(), programFolder.path()});
    press(*fromFile, QStringLiteral("fromFile1"));
    fromFile.reset();
    EXPECT_EQ(recordDifferences(readIslandRecords(other), fetched), QStringList());
    EXPECT_EQ(fetched["OC-002"]["Island"], QStringLiteral("Howland and Baker")) << "the last line is applied";
    EXPECT_EQ(fetched["AF-001"]["Status"], QStringLiteral("D"));
    EXPECT_TRUE(errorBoxTexts(dialogs).isEmpty());
}

TEST_F(ListUpdate, UpdateFromFileFollowsTheRulesAndCancelChangesNothing) {
    const IslandRecords before = readIslandRecords(folder);
    start();
    dialogs.answerOpenFile(QString());
    press(*form, QStringLiteral("fromFile1"));
    EXPECT_EQ(dialogs.asked().back().text, QDir::home().filePath(QStringLiteral("update.txt")));
    expectNoViewShown(*form);
    EXPECT_FALSE(form->Table1.Active());
    EXPECT_EQ(form->Table1.TableName(), QStringLiteral("Owner"));
    EXPECT_TRUE(form->Table1.ReadOnly());
    EXPECT_FALSE(form->Table1.Filtered());
    EXPECT_EQ(recordsAfterClosing(), before);

    const IslandRecords startValues = readRecordValues(fixture("update_island_rules", "start.txt"));
    writeRecordValues(folder, startValues);
    dialogs.answerOpenFile(fixture("update_island_rules", "update.txt"));
    start();
    press(*form, QStringLiteral("fromFile1"));
    EXPECT_TRUE(form->Table1.ReadOnly());
    EXPECT_EQ(form->Table1.TableName(), QStringLiteral("IOTA-SA"));
    const IslandRecords expected =
        withValues(withValues(before, startValues), readRecordValues(fixture("update_island_rules", "expected.txt")));
    EXPECT_EQ(recordDifferences(expected, recordsAfterClosing()), QStringList());
}

TEST_F(ListUpdate, ARedirectIsFollowed) {
    start();
    server.redirect("/old", "/update.txt");
    server.serve("/update.txt", "ISLAND   AF-002 5R8         Madagascar");
    download(server.url("/old"));
    EXPECT_EQ(form->memoHTML->toPlainText(), QStringLiteral("ISLAND   AF-002 5R8         Madagascar"));
    EXPECT_TRUE(errorBoxTexts(dialogs).isEmpty());
}

// A failed GET leaves the memo empty and Go, Import and Abort enabled; the box has the client's message.
TEST_F(ListUpdate, FailedDownloadsShowTheClientsMessage) {
    start();
    server.answer("/big", {"HTTP/1.1 200 OK", QByteArray(kMaxBodyBytes + 1, 'x')});
    const std::pair<QString, QString> failures[] = {
        {server.url("/missing"), QStringLiteral("Not Found")},
        {server.url("/big"), QStringLiteral("larger than 32 MiB")},
        {QStringLiteral("Select URL to update from and press Go!"), QStringLiteral("only http:// and https://")},
    };
    for (const auto& [address, reason] : failures) {
        dialogs.answerMessage();
        download(address);
        const QStringList boxes = errorBoxTexts(dialogs);
        ASSERT_FALSE(boxes.isEmpty()) << address.toStdString();
        EXPECT_TRUE(boxes.last().contains(address)) << boxes.last().toStdString();
        EXPECT_TRUE(boxes.last().contains(reason)) << boxes.last().toStdString();
        EXPECT_EQ(form->memoHTML->toPlainText(), QString()) << address.toStdString();
        EXPECT_EQ(panelButtons(*form), kAfterDownload) << address.toStdString();
        EXPECT_FALSE(form->InternetPanel->isHidden());
        press(*form, QStringLiteral("Abort"));
    }
    EXPECT_EQ(comboItems(*form->cbURL), (QStringList{server.url("/missing"), server.url("/big"),
                                                     QStringLiteral("Select URL to update from and press Go!")}))
        << "Go keeps whatever was typed";
}

// An update text whose connection closed after a whole chunk, before the last one, is refused at
// every Go and leaves nothing in the memo, so that Import changes no record.
TEST_F(ListUpdate, ADownloadCutOffBeforeItsLastChunkIsRefusedEveryTime) {
    constexpr int kTries = 20;
    server.answerRaw("/cut",
                     "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                     "19\r\nISLAND   OC-002 DELETED\r\n\r\n");
    const QString refused =
        "Download of " + server.url("/cut") + " failed: the download ended early after 25 bytes; nothing was changed.";
    start();
    press(*form, QStringLiteral("viaInternet1"));
    form->cbURL->setEditText(server.url("/cut"));
    for (int i = 0; i < kTries; ++i) {
        dialogs.answerMessage();
        press(*form, QStringLiteral("btnGo"));
        ASSERT_EQ(errorBoxTexts(dialogs).size(), i + 1) << "try " << i;
        EXPECT_EQ(errorBoxTexts(dialogs).last(), refused) << "try " << i;
        EXPECT_EQ(form->memoHTML->toPlainText(), QString()) << "try " << i;
    }
    press(*form, QStringLiteral("ImportURL"));
    EXPECT_EQ(recordsAfterClosing()["OC-002"]["Status"], "-");
}

TEST_F(ListUpdate, StopBreaksOffASilentServer) {
    start();
    server.answer("/silent", {{}, {}, true});
    dialogs.answerMessage();
    bool looked = false;
    whileWaiting(QStringLiteral("btnStop"), [&] {
        looked = true;
        EXPECT_EQ(panelButtons(*form), (std::array<bool, 4>{false, true, false, true}));
        EXPECT_TRUE(hourglassShown());
        EXPECT_EQ(form->memoHTML->toPlainText(), QString());
    });
    download(server.url("/silent"));
    EXPECT_TRUE(looked);
    EXPECT_EQ(errorBoxTexts(dialogs), QStringList{"Download of " + server.url("/silent") + " stopped."});
    EXPECT_EQ(form->memoHTML->toPlainText(), QString());
    EXPECT_EQ(panelButtons(*form), kAfterDownload);
    EXPECT_FALSE(hourglassShown());
    EXPECT_FALSE(form->InternetPanel->isHidden());
}

// Abort closes the panel; a download still waiting ends with it.
TEST_F(ListUpdate, AbortDuringADownloadBreaksItOff) {
    start();
    server.answer("/silent", {{}, {}, true});
    whileWaiting(QStringLiteral("Abort"));
    download(server.url("/silent"));
    EXPECT_EQ(errorBoxTexts(dialogs), QStringList()) << "the user closed the panel: nothing to report";
    expectNoViewShown(*form);
    EXPECT_FALSE(hourglassShown());
    EXPECT_FALSE(QFile::exists(historyFile()));
}

// A command from the menu while a download waits fails with an error box of its own.
TEST_F(ListUpdate, AFailingCommandWhileADownloadWaitsHasItsOwnErrorBox) {
    start();
    server.answer("/silent", {{}, {}, true});
    const QString missing = QDir(folder.path()).filePath(QStringLiteral("missing.txt"));
    dialogs.answerOpenFile(missing).answerMessage().answerMessage();
    whileWaiting(QStringLiteral("fromFile1"));
    download(server.url("/silent"));
    const QStringList boxes = errorBoxTexts(dialogs);
    ASSERT_EQ(boxes.size(), 1) << "the download ended with the panel it was shown in";
    EXPECT_TRUE(boxes[0].startsWith("Cannot read " + QDir::toNativeSeparators(missing))) << boxes[0].toStdString();
    expectNoViewShown(*form);
}

TEST_F(ListUpdate, HistoryIsWrittenOnImportAndNotOnAbort) {
    server.serve("/update.txt", "nothing to apply");
    const IslandRecords before = readIslandRecords(folder);
    start();
    download(server.url("/update.txt"));
    press(*form, QStringLiteral("Abort"));
    expectNoViewShown(*form);
    EXPECT_FALSE(QFile::exists(historyFile()));
    EXPECT_EQ(comboItems(*form->cbURL), QStringList{server.url("/update.txt")}) << "kept for this run";

    download(server.url("/update.txt"));
    EXPECT_EQ(comboItems(*form->cbURL), QStringList{server.url("/update.txt")});
    press(*form, QStringLiteral("ImportURL"));
    EXPECT_EQ(fileBytes(historyFile()), server.url("/update.txt").toLatin1() + "\r\n");
    expectNoViewShown(*form);
    EXPECT_EQ(recordsAfterClosing(), before);
}

TEST_F(ListUpdate, AnAddressInOtherLetterCaseIsNotAddedTwice) {
    start();
    server.serve("/update.txt", "text");
    server.serve("/other.txt", "text");
    writeHistory(server.url("/update.txt").toLatin1() + "\r\n");
    download(server.url("/update.txt").replace(QStringLiteral("http://"), QStringLiteral("HTTP://")));
    EXPECT_EQ(comboItems(*form->cbURL), QStringList{server.url("/update.txt")});
    form->cbURL->setEditText(server.url("/other.txt"));
    press(*form, QStringLiteral("btnGo"));
    EXPECT_EQ(comboItems(*form->cbURL), (QStringList{server.url("/update.txt"), server.url("/other.txt")}))
        << "a new address goes to the end";
    press(*form, QStringLiteral("ImportURL"));
    EXPECT_EQ(readTextLines(historyFile()).toStringList(),
              (QStringList{server.url("/update.txt"), server.url("/other.txt")}));
    EXPECT_TRUE(errorBoxTexts(dialogs).isEmpty());
}

// A picture or random bytes served as the update text are shown and change nothing on Import.
TEST_F(ListUpdate, JunkFromTheServerChangesNothing) {
    const IslandRecords before = readIslandRecords(folder);
    server.serve("/picture", fileBytes(fixture("cards", "front.jpg")));
    start();
    server.serve("/long", QByteArray(1024 * 1024, 'A') + "\nISLAND   " + QByteArray(1024 * 1024, '"'));
    for (const char* path : {"/picture", "/long"}) {
        download(server.url(path));
        EXPECT_NE(form->memoHTML->toPlainText(), QString()) << path;
        press(*form, QStringLiteral("ImportURL"));
    }
    EXPECT_TRUE(errorBoxTexts(dialogs).isEmpty());
    EXPECT_EQ(recordsAfterClosing(), before);
}

// Saves the panel after a download when SKERRY_SCREENSHOT_DIR names a folder.
TEST_F(ListUpdate, ScreenshotOfThePanelAfterADownload) {
    start();
    server.serve("/update.txt", fileBytes(fixture("update_island_rules", "update.txt")));
    writeHistory("http://www.example.org/iota/update.txt\r\n");
    download(server.url("/update.txt"));
    QApplication::processEvents();
    saveScreenshot(*form, QStringLiteral("update-panel"));
    EXPECT_EQ(form->cbURL->count(), 2);
}

}  // namespace
