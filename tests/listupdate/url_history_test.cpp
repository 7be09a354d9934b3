#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "base/failure.h"
#include "listupdate/update_panel_rules.h"
#include "listupdate/url_history.h"
#include "support/files.h"

namespace {

TEST(UrlHistory, AMissingFileIsNoErrorAndLeavesTheListAlone) {
    QTemporaryDir dir;
    EXPECT_EQ(readUrlHistory(dir.filePath(kUrlHistoryFileName)), std::nullopt);
}

TEST(UrlHistory, IsWrittenWholeWithCrLfAndReadBack) {
    QTemporaryDir dir;
    const QString file = dir.filePath(kUrlHistoryFileName);
    writeUrlHistory(file, {"http://a.example/update.txt", "https://b.example/list"});
    EXPECT_EQ(fileBytes(file), "http://a.example/update.txt\r\nhttps://b.example/list\r\n");
    EXPECT_EQ(readUrlHistory(file), QStringList({"http://a.example/update.txt", "https://b.example/list"}));
    writeUrlHistory(file, {"http://c.example/"});
    EXPECT_EQ(readUrlHistory(file), QStringList({"http://c.example/"})) << "the file is replaced, not added to";
    writeUrlHistory(file, {});
    EXPECT_EQ(readUrlHistory(file), QStringList());
}

TEST(UrlHistory, ReadingSkipsEmptyLines) {
    QTemporaryDir dir;
    const QString file = writeFile(dir.filePath(kUrlHistoryFileName), "http://a.example/\n\r\nhttp://b.example/");
    EXPECT_EQ(readUrlHistory(file), QStringList({"http://a.example/", "http://b.example/"}));
}

TEST(UrlHistory, AFileThatCannotBeWrittenFailsNamingIt) {
    QTemporaryDir dir;
    const QString file = dir.filePath("missing-folder/history.dat");
    try {
        writeUrlHistory(file, {"http://a.example/"});
        FAIL() << "writing into a missing folder succeeded";
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.message().contains("history.dat")) << failure.message().toStdString();
    }
}

TEST(UrlHistory, AddsANewUrlAtTheEndButNotOneInOtherLetterCase) {
    QStringList urls{"http://a.example/update.txt"};
    EXPECT_FALSE(addToUrlHistory(urls, "HTTP://A.EXAMPLE/Update.TXT"));
    EXPECT_TRUE(addToUrlHistory(urls, "https://b.example/"));
    EXPECT_EQ(urls, QStringList({"http://a.example/update.txt", "https://b.example/"}));
}

// Go keeps what was typed, whatever it is; only the download refuses what it cannot fetch.
TEST(UrlHistory, WhateverIsTypedIsKept) {
    QStringList urls;
    const QStringList typed{updatepanel::kUrlPrompt, "ftp://a.example/list", "file:///etc/passwd"};
    for (const QString& address : typed) EXPECT_TRUE(addToUrlHistory(urls, address)) << address.toStdString();
    EXPECT_EQ(urls, typed);
}

TEST(UpdatePanelRules, ButtonStatesFollowTheDownload) {
    using updatepanel::Moment;
    const auto& opened = updatepanel::buttonStates(Moment::Opened);
    EXPECT_EQ(opened.go, true);
    EXPECT_EQ(opened.stop, false);
    EXPECT_EQ(opened.importUrl, false);
    EXPECT_EQ(opened.abort, true);
    const auto& running = updatepanel::buttonStates(Moment::DownloadRunning);
    EXPECT_EQ(running.go, false);
    EXPECT_EQ(running.stop, true);
    EXPECT_EQ(running.importUrl, std::nullopt) << "Import stays as it was during a download";
    EXPECT_TRUE(running.hourglass);
    const auto& ended = updatepanel::buttonStates(Moment::DownloadEnded);
    EXPECT_EQ(ended.go, true);
    EXPECT_EQ(ended.stop, false);
    EXPECT_EQ(ended.importUrl, true) << "Import is enabled also after a failed download";
    EXPECT_EQ(ended.abort, true);
    EXPECT_FALSE(ended.hourglass);
    const auto& stopped = updatepanel::buttonStates(Moment::StopPressed);
    EXPECT_EQ(stopped.go, std::nullopt);
    EXPECT_EQ(stopped.stop, false);
    EXPECT_EQ(stopped.abort, true);
    const auto& importing = updatepanel::buttonStates(Moment::ImportRunning);
    for (const auto& state : {importing.go, importing.stop, importing.importUrl, importing.abort})
        EXPECT_EQ(state, false);
}

TEST(UpdatePanelRules, MemoStartsWithItsSevenLines) {
    const QStringList& lines = updatepanel::initialMemoLines();
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], "After downloading the update, please confirm that you want to update ");
    EXPECT_EQ(lines[2], "\"Import\"-Button below.");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[6], "Make sure that you got a connection to the internet!");
}

}  // namespace
