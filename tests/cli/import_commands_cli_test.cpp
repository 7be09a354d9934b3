#include <gtest/gtest.h>

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <optional>

#include "register/delivered_data.h"
#include "support/cli_run.h"
#include "support/data_folder.h"
#include "support/files.h"
#include "support/island_records.h"
#include "support/local_http_server.h"

namespace {

TEST(ImportCommandsCli, ImportUpfInEitherMode) {
    TestDataFolder folder;
    const QString upf = writeFile(folder.path() + "/log.upf", "AF-001 K1ABC first\nEU5 G4ABC\nAF-001 NONE\n");
    const CliRun worked = cli(folder.path(), {"import-upf", upf, "--mode", "worked"});
    ASSERT_EQ(worked.exitCode, 0) << worked.err.toStdString();
    EXPECT_EQ(worked.out, "2 records written from " + QDir::toNativeSeparators(upf) + "\n");
    EXPECT_EQ(readIslandRecords(folder)["AF-001"]["Status"], "W");

    const CliRun claimed = cli(folder.path(), {"import-upf", "--mode", "claim", upf});
    ASSERT_EQ(claimed.exitCode, 0) << claimed.err.toStdString();
    const IslandRecords records = readIslandRecords(folder);
    EXPECT_EQ(records["AF-001"]["Status"], "C");
    EXPECT_EQ(records["EU-005"]["Status"], "C");
    EXPECT_EQ(records["EU-005"]["Call"], "G4ABC");
}

TEST(ImportCommandsCli, ImportCsvSetsCallsAndStatuses) {
    TestDataFolder folder;
    const QString csv = writeFile(folder.path() + "/myqsos.csv",
                                  "\"AF-001\",\"K1ABC\",\"Accepted\"\r\n\"OC-002\",\"KH1X\",\"DELETED\"\r\n");
    const CliRun run = cli(folder.path(), {"import-csv", csv});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const IslandRecords records = readIslandRecords(folder);
    EXPECT_EQ(records["AF-001"]["Status"], "A");
    EXPECT_EQ(records["OC-002"]["Status"], "D");
}

TEST(ImportCommandsCli, UpdateFromAFile) {
    TestDataFolder folder;
    const QString text =
        writeFile(folder.path() + "/update.txt",
                  "ISLAND   AF-002 5R8         Madagascar\r\nBI       EU-007\r\nISLAND   AF-999 X  Y\r\n");
    const CliRun run = cli(folder.path(), {"update", text});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "1 island lines and 1 group lines applied, 1 passed over\n");
    const IslandRecords records = readIslandRecords(folder);
    EXPECT_EQ(records["AF-002"]["Status"], "-");
    EXPECT_EQ(records["EU-007"]["ABW"], "B");
}

TEST(ImportCommandsCli, UpdateFromAUrl) {
    LocalHttpServer server;
    server.redirect("/latest", "/update.txt");
    server.serve("/update.txt", "ISLAND   OC-002 DELETED\r\n");
    TestDataFolder folder;
    const CliRun run = cli(folder.path(), {"update-url", server.url("/latest")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(readIslandRecords(folder)["OC-002"]["Status"], "D");

    const IslandRecords before = readIslandRecords(folder);
    const CliRun missing = cli(folder.path(), {"update-url", server.url("/missing")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.startsWith("skerrydesk-cli: Download of ")) << missing.err.toStdString();
    const CliRun ftp = cli(folder.path(), {"update-url", "ftp://127.0.0.1/update.txt"});
    EXPECT_EQ(ftp.exitCode, 1);
    EXPECT_TRUE(ftp.err.contains("only http:// and https://")) << ftp.err.toStdString();
    EXPECT_EQ(readIslandRecords(folder), before) << "failed downloads change nothing";
}

// A server that sends a byte every while is broken off by the timeout; meanwhile the data folder
// is free for another command, because it is taken only once the text has arrived.
TEST(ImportCommandsCli, UpdateUrlEndsByItsTimeoutWithoutHoldingTheFolder) {
    LocalHttpServer server;
    server.answer("/dripping", {"HTTP/1.1 200 OK", "ISLAND   OC-002 DELETED\r\n", false, false, false, 100});
    TestDataFolder folder;
    const IslandRecords before = readIslandRecords(folder);
    std::optional<CliRun> meanwhile;
    QTimer::singleShot(1000, [&] { meanwhile = cli(folder.path(), {"summary"}); });
    const CliRun run = cli(folder.path(), {"update-url", server.url("/dripping"), "--timeout", "2"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
              "skerrydesk-cli: Download of " + server.url("/dripping") + " failed: not finished within 2 seconds\n");
    ASSERT_TRUE(meanwhile.has_value()) << "the download ended before the second command started";
    EXPECT_EQ(meanwhile->exitCode, 0) << meanwhile->err.toStdString();
    EXPECT_EQ(readIslandRecords(folder), before);
    for (const char* timeout : {"0", "soon", "-3"})
        EXPECT_EQ(cli(folder.path(), {"update-url", server.url("/dripping"), "--timeout", timeout}).exitCode, 2)
            << timeout;
}

// A chunked update text whose connection closed before the last chunk, inside a chunk or after
// a whole one, is refused at every run and changes nothing.
TEST(ImportCommandsCli, UpdateUrlRefusesATextCutOffBeforeItsLastChunk) {
    constexpr int kRunsEach = 10;
    const QByteArray head = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
    const QByteArray firstChunk = "19\r\nISLAND   OC-002 DELETED\r\n\r\n";
    const std::pair<QByteArray, int> cuts[] = {
        {head + firstChunk, 25},
        {head + firstChunk + "19\r\nISLAND   OC-001 DELE", 45},
    };
    LocalHttpServer server;
    TestDataFolder folder;
    const IslandRecords before = readIslandRecords(folder);
    for (const auto& [bytes, received] : cuts) {
        server.answerRaw("/cut", bytes);
        for (int run = 0; run < kRunsEach; ++run) {
            const CliRun cut = cli(folder.path(), {"update-url", server.url("/cut")});
            EXPECT_EQ(cut.exitCode, 1) << "run " << run << ": " << cut.out.toStdString();
            EXPECT_EQ(cut.err, QStringLiteral("skerrydesk-cli: Download of %1 failed: the download ended early after "
                                              "%2 bytes; nothing was changed\n")
                                   .arg(server.url("/cut"))
                                   .arg(received));
        }
    }
    EXPECT_EQ(readIslandRecords(folder), before);
}

struct RefusedAnswer {
    const char* name;
    LocalHttpServer::Answer answer;
    const char* reason;
};

// An answer that is no update text, or that does not arrive whole, fails and changes nothing.
TEST(ImportCommandsCli, UpdateUrlRefusesAnAnswerWithoutIslandLines) {
    const QString update = "ISLAND   OC-002 DELETED\r\n";
    // UTF-16 without its byte-order mark does not decode (with one it reads as any text does).
    QByteArray utf16;
    for (const QChar c : update) utf16 += QByteArray(1, char(c.unicode())) + QByteArray(1, '\0');
    const RefusedAnswer answers[] = {
        {"empty", {"HTTP/1.1 200 OK", ""}, "no island list update text: it is empty"},
        {"html",
         {"HTTP/1.1 200 OK\r\nContent-Type: text/html", "<!DOCTYPE html>\n<html><body>ISLAND</body></html>"},
         "no island list update text: it is an HTML page"},
        {"utf-16", {"HTTP/1.1 200 OK", utf16}, "no island list update text: it is not a text in UTF-8 or Windows-1252"},
        {"bad-gzip",
         {"HTTP/1.1 200 OK\r\nContent-Encoding: gzip", update.toLatin1()},
         "does not decompress: incorrect header check"},
        {"broken-chunks",
         {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked", "zz\r\n" + update.toLatin1(), false, false, false},
         "the server's answer is malformed: its chunk size \"zz\" is no hex number"},
    };
    LocalHttpServer server;
    TestDataFolder folder;
    const IslandRecords before = readIslandRecords(folder);
    for (const RefusedAnswer& refused : answers) {
        const QByteArray path = QByteArray("/") + refused.name;
        server.answer(path, refused.answer);
        const CliRun run = cli(folder.path(), {"update-url", server.url(path)});
        EXPECT_EQ(run.exitCode, 1) << refused.name;
        EXPECT_TRUE(run.err.contains(refused.reason, Qt::CaseInsensitive))
            << refused.name << ": " << run.err.toStdString();
    }
    EXPECT_EQ(readIslandRecords(folder), before);
}

TEST(ImportCommandsCli, InitFromAnUpdateText) {
    QTemporaryDir dir;
    const QString text =
        writeFile(dir.filePath("list.txt"), "ISLAND   EU-005 G           Great Britain\r\nBI       EU-005\r\n");
    const CliRun run = cli(dir.path(), {"init", "--list", text});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.endsWith(" with 1 listed references\n")) << run.out.toStdString();
    const CliRun again = cli(dir.path(), {"init", "--list", text});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains("already exists")) << again.err.toStdString();

    QTemporaryDir empty;
    const QString none = writeFile(empty.filePath("none.txt"), "no island lines here\n");
    const CliRun nothing = cli(empty.path(), {"init", "--list", none});
    EXPECT_EQ(nothing.exitCode, 1);
    EXPECT_TRUE(nothing.err.contains("lists no island references")) << nothing.err.toStdString();
    EXPECT_FALSE(QFile::exists(QDir(empty.path()).filePath("Data/skerrydesk.db")));
}

struct UsageCase {
    const char* name;
    QStringList arguments;
};

TEST(ImportCommandsCli, WrongArgumentsAreUsageErrors) {
    TestDataFolder folder;
    const UsageCase cases[] = {
        {"no mode", {"import-upf", "log.upf"}},
        {"unknown mode", {"import-upf", "log.upf", "--mode", "confirmed"}},
        {"no file", {"import-csv"}},
        {"two files", {"update", "a.txt", "b.txt"}},
        {"no url", {"update-url"}},
        {"init option without file", {"init", "--list"}},
        {"init unknown option", {"init", "--from", "x"}},
    };
    for (const UsageCase& usage : cases) {
        const CliRun run = cli(folder.path(), usage.arguments);
        EXPECT_EQ(run.exitCode, 2) << usage.name;
        EXPECT_TRUE(run.err.startsWith("usage: skerrydesk-cli ")) << usage.name << ": " << run.err.toStdString();
    }
}

TEST(ImportCommandsCli, AMissingFileFailsNamingIt) {
    TestDataFolder folder;
    const IslandRecords before = readIslandRecords(folder);
    const QStringList commands[] = {
        {"import-upf", "no-such-file.txt", "--mode", "claim"},
        {"import-csv", "no-such-file.txt"},
        {"update", "no-such-file.txt"},
    };
    for (const QStringList& command : commands) {
        const CliRun run = cli(folder.path(), command);
        EXPECT_EQ(run.exitCode, 1) << command.first().toStdString();
        EXPECT_TRUE(run.err.contains("no-such-file.txt"))
            << command.first().toStdString() << ": " << run.err.toStdString();
    }
    EXPECT_EQ(readIslandRecords(folder), before);
}

}  // namespace
