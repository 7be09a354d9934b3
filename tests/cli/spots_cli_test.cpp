// skerrydesk-cli spots against a test node on 127.0.0.1: it logs in with the owner's callsign,
// prints exactly the island spots asked for, one tab-separated line each, ends after N of them or
// at the time-out, and says in one line why when the node cannot be reached, refuses or hangs up.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QTcpServer>

#include "support/cli_run.h"
#include "support/data_folder.h"
#include "support/dxpedition_register.h"
#include "support/local_cluster_node.h"
#include "support/spot_archives.h"

namespace {

QString cliLine(const Spot& spot, const QString& reference, const char* status) {
    return QStringList{spot.time, nodeFrequency(spot), spot.dxCall, reference, status, spot.spotter, spot.comment}.join(
               u'\t') +
           u'\n';
}

// The real stream, and the lines of its references of each status.
struct RealStream {
    QByteArray session;
    QString needed;
    QString worked;
    int neededCount = 0;
};

RealStream realStream() {
    RealStream stream;
    std::vector<Spot> spots;
    for (const ArchivedSpot& archived : realArchivedSpots()) {
        spots.push_back(archived.fields);
        for (const QString& reference : archived.references) {
            const bool needed = reference == "AS-004";
            (needed ? stream.needed : stream.worked) +=
                cliLine(archived.fields, reference, needed ? "needed" : "worked");
            stream.neededCount += needed ? 1 : 0;
        }
    }
    stream.session = nodeSession(spots);
    return stream;
}

TEST(SpotsCli, PrintsExactlyTheNeededReferencesOfARealStream) {
    const RealStream stream = realStream();
    if (stream.needed.isEmpty())
        GTEST_SKIP() << "the real spot archives are absent (they live in " SKERRY_REAL_FILES ")";
    ASSERT_EQ(stream.neededCount, 16);
    LocalClusterNode node({kNodeGreeting, "login: ", {}, stream.session});
    TestDataFolder folder(kDxpeditionIslands);
    prepareDxpeditionRegister(folder);

    const CliRun needed = cli(folder.path(), {"spots", node.address(), "--needed", "--count", "16"});
    EXPECT_EQ(needed.exitCode, 0) << needed.err.toStdString();
    EXPECT_EQ(needed.out, stream.needed);
    EXPECT_EQ(needed.err, "");

    // Until the time-out every needed and worked reference, and nothing else.
    const CliRun neededWorked = cli(folder.path(), {"spots", node.address(), "--needed-worked", "--timeout", "2"});
    EXPECT_EQ(neededWorked.exitCode, 0) << neededWorked.err.toStdString();
    EXPECT_EQ(neededWorked.out, stream.needed + stream.worked);
    for (const QByteArray& received : node.received()) EXPECT_TRUE(received.endsWith("G3ABC\r\n"));
}

TEST(SpotsCli, EachSelectionOfAHandMadeStream) {
    const std::vector<Spot> spots = {
        handMadeSpot("ZC4UW", "IOTA AS004 Cyprus"), handMadeSpot("VP2MUW", "NA-103 & OC-001"),
        handMadeSpot("XX1XX", "IOTA SA-099"),       handMadeSpot("K7ABC", "New DX NA 579"),
        handMadeSpot("W7ABC", "SOTA W7A/NA-066"),
    };
    const QString lines[] = {
        cliLine(spots[0], "AS-004", "needed"),
        cliLine(spots[1], "NA-103", "worked"),
        cliLine(spots[1], "OC-001", "approved"),
        cliLine(spots[2], "SA-099", "no record"),
    };
    LocalClusterNode node({kNodeGreeting, "login: ", {}, nodeSession(spots)});
    TestDataFolder folder(kDxpeditionIslands);
    prepareDxpeditionRegister(folder);
    const struct {
        QStringList options;
        QString out;
    } cases[] = {
        {{"--count", "4"}, lines[0] + lines[1] + lines[2] + lines[3]},
        {{"--needed", "--count", "1"}, lines[0]},
        {{"--needed-worked", "--count", "2"}, lines[0] + lines[1]},
        {{"--count", "2"}, lines[0] + lines[1]},
    };
    for (const auto& c : cases) {
        const CliRun run = cli(folder.path(), QStringList{"spots", node.address()} + c.options);
        EXPECT_EQ(run.exitCode, 0) << c.options.join(' ').toStdString() << ": " << run.err.toStdString();
        EXPECT_EQ(run.out, c.out) << c.options.join(' ').toStdString();
    }
}

// One line on the error stream, exit code 1: what was printed before stays printed.
TEST(SpotsCli, FailsInOneLineWhenTheNodeCannotBeReachedRefusesOrHangsUp) {
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const QString unreachable = QStringLiteral("127.0.0.1:%1").arg(closed.serverPort());
    closed.close();
    LocalClusterNode refusing({kNodeGreeting, "login: ", "Sorry G3ABC is not a registered user\r\n", {}});
    LocalClusterNode::Session hangingUp{kNodeGreeting, "login: ", {}, nodeSession({handMadeSpot("ZC4UW", "AS-004")})};
    hangingUp.hangUpAfterStream = true;
    LocalClusterNode hangsUp(hangingUp);
    const struct {
        QString address;
        QString out;
        QString err;
    } cases[] = {
        {unreachable, "", "skerrydesk-cli: Cannot reach the node " + unreachable + ": Connection refused\n"},
        {refusing.address(), "",
         "skerrydesk-cli: The node " + refusing.address() +
             " refused the login of G3ABC: Sorry G3ABC is not a registered user\n"},
        {hangsUp.address(), cliLine(handMadeSpot("ZC4UW", "AS-004"), "AS-004", "needed"),
         "skerrydesk-cli: The node " + hangsUp.address() + " closed the connection\n"},
    };
    TestDataFolder folder(kDxpeditionIslands);
    prepareDxpeditionRegister(folder);
    for (const auto& c : cases) {
        const CliRun run = cli(folder.path(), {"spots", c.address, "--timeout", "20"});
        EXPECT_EQ(run.exitCode, 1) << c.address.toStdString();
        EXPECT_EQ(run.out, c.out) << c.address.toStdString();
        EXPECT_EQ(run.err, c.err) << c.address.toStdString();
    }
}

TEST(SpotsCli, UsageErrors) {
    QTemporaryDir dir;
    const QStringList wrong[] = {
        {"spots"},
        {"spots", "dxc.example.org"},
        {"spots", "dxc.example.org:0"},
        {"spots", "dxc.example.org:65536"},
        {"spots", "dxc.example.org:7300", "extra"},
        {"spots", "dxc.example.org:7300", "--needed", "--needed-worked"},
        {"spots", "dxc.example.org:7300", "--count", "0"},
        {"spots", "dxc.example.org:7300", "--count"},
        {"spots", "dxc.example.org:7300", "--timeout", "soon"},
    };
    for (const QStringList& arguments : wrong) {
        const CliRun run = cli(dir.path(), arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("usage: skerrydesk-cli spots HOST:PORT")) << run.err.toStdString();
    }
}

TEST(SpotsCli, WithoutTheOwnersCallsignNoNodeIsAsked) {
    LocalClusterNode node({kNodeGreeting, "login: ", {}, {}});
    TestDataFolder folder(kDxpeditionIslands);
    const CliRun run = cli(folder.path(), {"spots", node.address(), "--timeout", "5"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith("skerrydesk-cli: The owner's callsign is empty")) << run.err.toStdString();
    EXPECT_EQ(node.connections(), 0);
}

// The statuses are read at the start; while the node talks the program can open the data folder.
TEST(SpotsCli, TheDataFolderIsFreeWhileTheNodeTalks) {
    LocalClusterNode node({kNodeGreeting, "login: ", {}, "G3ABC de GB7TST  9-Dec-2026 1200Z dxspider >\r\n"});
    TestDataFolder folder(kDxpeditionIslands);
    prepareDxpeditionRegister(folder);
    QProcess spots;
    spots.setWorkingDirectory(folder.path());
    spots.start(SKERRY_CLI, {"spots", node.address(), "--timeout", "30"});
    QElapsedTimer elapsed;
    elapsed.start();
    while (!(node.connections() == 1 && node.received()[0].endsWith("G3ABC\r\n")) && elapsed.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    ASSERT_EQ(node.connections(), 1);
    const CliRun summary = cli(folder.path(), {"summary"});
    EXPECT_EQ(summary.exitCode, 0) << summary.err.toStdString();
    spots.kill();
    spots.waitForFinished();
}

}  // namespace
