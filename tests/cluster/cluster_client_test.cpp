// The client against a test node on 127.0.0.1: it logs in when asked, reads a real stream and
// tells of exactly its island spots in batches; and when the node refuses, drops, drips, floods,
// goes quiet or cannot be reached, it says so and connects again after growing waits.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTcpServer>

#include "cluster/cluster_client.h"
#include "cluster/short_timings.h"
#include "support/local_cluster_node.h"
#include "support/qt_printers.h"
#include "support/spot_archives.h"
#include "support/wait_until.h"

namespace {

IslandRecordStates islandRegister() {
    return {
        {"AS-004", {"IOTA-AS", "Cyprus", "-"}},
        {"NA-103", {"IOTA-NA", "Montserrat", "W"}},
        {"EU-005", {"IOTA-EU", "Great Britain", "-"}},
    };
}

// What a client told, in order.
struct Told {
    explicit Told(ClusterClient& client) {
        QObject::connect(&client, &ClusterClient::stateChanged, [this](NodeState state, const QString& text) {
            states.push_back(state);
            texts << text;
        });
        QObject::connect(&client, &ClusterClient::spotsArrived, [this](const std::vector<IslandSpot>& batch) {
            ++batches;
            spots.insert(spots.end(), batch.begin(), batch.end());
        });
    }
    bool has(NodeState state) const { return std::find(states.begin(), states.end(), state) != states.end(); }

    std::vector<NodeState> states;
    QStringList texts;
    int batches = 0;
    std::vector<IslandSpot> spots;
};

NodeAddress addressOf(const LocalClusterNode& node) {
    return *parseNodeAddress(node.address());
}

Spot handMadeSpot(int number, const QString& comment) {
    Spot spot;
    spot.spotter = "K1ABC";
    spot.kHz = 14260.0;
    spot.frequency = "14260.0";
    spot.dxCall = QStringLiteral("G%1").arg(number);
    spot.comment = comment;
    spot.time = "1412Z";
    return spot;
}

// "time frequency call reference" of each island spot.
QStringList spotKeys(const std::vector<IslandSpot>& spots) {
    QStringList keys;
    for (const IslandSpot& spot : spots)
        keys << QStringList{spot.spot.time, spot.spot.frequency, spot.spot.dxCall, spot.island.reference}.join(u' ');
    return keys;
}

TEST(ClusterClient, LogsInWhenAskedAndTellsOfExactlyTheIslandSpotsOfARealStream) {
    const std::vector<ArchivedSpot> archive = realArchivedSpots();
    if (archive.empty()) GTEST_SKIP() << "the real spot archives are absent (they live in " SKERRY_REAL_FILES ")";
    std::vector<Spot> sent;
    QStringList expected;
    for (const ArchivedSpot& archived : archive) {
        sent.push_back(archived.fields);
        for (const QString& reference : archived.references)
            expected << QStringList{archived.fields.time, nodeFrequency(archived.fields), archived.fields.dxCall,
                                    reference}
                            .join(u' ');
    }
    ASSERT_EQ(expected.size(), 25);
    LocalClusterNode node({kNodeGreeting, "login: ", {}, nodeSession(sent)});
    ClusterClient client("G3ABC", SpotMatcher(islandRegister()), shortTimings());
    Told told(client);
    client.connectToNode(addressOf(node));
    ASSERT_TRUE(waitUntil([&] { return told.spots.size() >= size_t(expected.size()); }));

    EXPECT_EQ(spotKeys(told.spots), expected);
    EXPECT_EQ(told.states, (std::vector{NodeState::Connecting, NodeState::LoggingIn, NodeState::LoggedIn}));
    EXPECT_EQ(told.texts.last(), "Logged in to " + node.address() + " as G3ABC");
    ASSERT_EQ(node.connections(), 1);
    EXPECT_EQ(node.received()[0], "\xFF\xFE\x01\xFF\xFE\x03G3ABC\r\n") << "the offers declined, then the call";
    EXPECT_EQ(client.recentSpots().size(), 25);
    EXPECT_EQ(client.recentSpots().at(0).island.reference, "NA-103") << "newest first";
    EXPECT_EQ(client.recentSpots().at(0).island.standing, ReferenceStanding::NeedsCard);
    EXPECT_EQ(client.recentSpots().at(24).island.standing, ReferenceStanding::New);
}

// The stream a byte at a time: lines, telnet commands and the question all arrive in pieces.
TEST(ClusterClient, ANodeThatDripsIsReadWhole) {
    const std::vector<Spot> sent = {handMadeSpot(1, "IOTA EU-005"), handMadeSpot(2, "NA 579"),
                                    handMadeSpot(3, "eu005 tnx")};
    LocalClusterNode::Session session{kNodeGreeting, "Please enter your call: ", {}, nodeSession(sent)};
    session.dripMs = 1;
    LocalClusterNode node(session);
    ClusterClient client("G3ABC", SpotMatcher(islandRegister()), shortTimings());
    Told told(client);
    client.connectToNode(addressOf(node));
    ASSERT_TRUE(waitUntil([&] { return told.spots.size() >= 2; }));
    EXPECT_EQ(spotKeys(told.spots), (QStringList{"1412Z 14260.0 G1 EU-005", "1412Z 14260.0 G3 EU-005"}));
    EXPECT_TRUE(node.received()[0].endsWith("G3ABC\r\n"));
}

// Two hundred spots a second and more: one update per batch, and the newest thousand kept.
TEST(ClusterClient, AFloodComesInBatchesAndKeepsTheNewestThousand) {
    std::vector<Spot> sent;
    for (int i = 0; i < 5000; ++i) sent.push_back(handMadeSpot(i, i % 2 ? "IOTA EU-005" : "cq up 2"));
    LocalClusterNode node({kNodeGreeting, "login: ", {}, nodeSession(sent)});
    ClusterClient client("G3ABC", SpotMatcher(islandRegister()), shortTimings());
    Told told(client);
    client.connectToNode(addressOf(node));
    ASSERT_TRUE(waitUntil([&] { return told.spots.size() >= 2500; }));
    EXPECT_LT(told.batches, 100) << "a list is told per batch, not per spot";
    EXPECT_EQ(client.recentSpots().size(), RecentSpots::kKept);
    EXPECT_EQ(client.recentSpots().at(0).spot.dxCall, "G4999");
    EXPECT_EQ(client.recentSpots().at(RecentSpots::kKept - 1).spot.dxCall, "G3001");
}

// Junk before a spot: a line of 100 KB, bytes of no UTF-8, NUL bytes and a broken telnet command.
TEST(ClusterClient, JunkHarmsNothing) {
    QByteArray junk(100000, '\x9D');
    junk += QByteArray("\0\0\xC3(\xFF\xFA\x18\x01\xFF\xF0\xFE\xFF\r\n", 14);
    LocalClusterNode node({kNodeGreeting, "login: ", {}, junk + nodeSession({handMadeSpot(7, "IOTA EU-005")})});
    ClusterClient client("G3ABC", SpotMatcher(islandRegister()), shortTimings());
    Told told(client);
    client.connectToNode(addressOf(node));
    ASSERT_TRUE(waitUntil([&] { return !told.spots.empty(); }));
    EXPECT_EQ(spotKeys(told.spots), QStringList{"1412Z 14260.0 G7 EU-005"});
}

TEST(ClusterClient, SaysWhenTheNodeRefusesTheLogin) {
    const struct {
        const char* what;
        LocalClusterNode::Session session;
        QString text;
    } cases[] = {
        {"a refusal",
         {kNodeGreeting, "login: ", "Sorry G3ABC is an invalid callsign\r\n", {}},
         "The node %1 refused the login of G3ABC: Sorry G3ABC is an invalid callsign"},
        {"a password asked",
         {kNodeGreeting, "login: ", {}, "password: "},
         "The node %1 asks for a password for G3ABC, which Skerrydesk cannot give"},
        {"a hang-up after the call",
         {kNodeGreeting, "login: ", "\r\n", {}},
         "The node %1 closed the connection at the login of G3ABC"},
    };
    for (const auto& c : cases) {
        LocalClusterNode node(c.session);
        ClusterClient client("G3ABC", SpotMatcher(islandRegister()), shortTimings());
        client.setReconnecting(false);
        Told told(client);
        client.connectToNode(addressOf(node));
        ASSERT_TRUE(waitUntil([&] { return told.has(NodeState::Refused); })) << c.what;
        EXPECT_EQ(told.texts.last(), c.text.arg(node.address())) << c.what;
        EXPECT_FALSE(told.has(NodeState::LoggedIn)) << c.what;
    }
}

TEST(ClusterClient, SaysWhenTheNodeCannotBeReached) {
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const NodeAddress address{"127.0.0.1", closed.serverPort()};
    closed.close();
    ClusterClient client("G3ABC", SpotMatcher(islandRegister()), shortTimings());
    client.setReconnecting(false);
    Told told(client);
    client.connectToNode(address);
    ASSERT_TRUE(waitUntil([&] { return told.has(NodeState::Unreachable); }));
    EXPECT_TRUE(told.texts.last().startsWith("Cannot reach the node " + address.text() + ": "))
        << told.texts.last().toStdString();
}

// A node that drops every connection at once is asked again after 20, 40, 80, 80 ms (the tests'
// waits; 5 s to 5 min in use), and never between.
TEST(ClusterClient, ReconnectsAfterGrowingWaits) {
    LocalClusterNode::Session session;
    session.hangUpAtOnce = true;
    LocalClusterNode node(session);
    ClusterClient client("G3ABC", SpotMatcher(islandRegister()), shortTimings());
    Told told(client);
    client.connectToNode(addressOf(node));
    ASSERT_TRUE(waitUntil([&] { return node.connections() >= 5 && told.texts.filter("trying again").size() >= 4; }));
    client.disconnectFromNode();
    const QStringList waits = told.texts.filter("trying again");
    const char* expected[] = {"in 20 ms", "in 40 ms", "in 80 ms", "in 80 ms"};
    for (size_t i = 0; i < std::size(expected); ++i)
        EXPECT_TRUE(waits[qsizetype(i)].endsWith(expected[i])) << waits[qsizetype(i)].toStdString();
    EXPECT_TRUE(waits[0].startsWith("The node " + node.address() + " closed the connection; trying again"));
    EXPECT_EQ(told.states.back(), NodeState::Disconnected);
    const int connections = node.connections();
    QCoreApplication::processEvents();
    waitUntil([] { return false; }, 200);
    EXPECT_EQ(node.connections(), connections) << "no more attempts once disconnected";
}

// A node that drops the connection after a session: the client logs in again, and the wait starts
// short again after each login.
TEST(ClusterClient, LogsInAgainAfterTheNodeDropped) {
    LocalClusterNode::Session session{kNodeGreeting, "login: ", {}, nodeSession({handMadeSpot(1, "EU-005")})};
    session.hangUpAfterStream = true;
    LocalClusterNode node(session);
    ClusterClient client("G3ABC", SpotMatcher(islandRegister()), shortTimings());
    Told told(client);
    client.connectToNode(addressOf(node));
    ASSERT_TRUE(waitUntil([&] { return told.spots.size() >= 3; }));
    client.disconnectFromNode();
    EXPECT_GE(node.connections(), 3);
    for (const QString& text : told.texts.filter("trying again"))
        EXPECT_EQ(text, "The node " + node.address() + " closed the connection; trying again in 20 ms");
    for (const QByteArray& received : node.received()) EXPECT_EQ(received, "\xFF\xFE\x01\xFF\xFE\x03G3ABC\r\n");
}

// Logged in and then silence: keep-alive line ends, the quiet state, then the connection given up.
TEST(ClusterClient, SaysWhenTheNodeGoesQuietAndGivesItUp) {
    LocalClusterNode node({kNodeGreeting, "login: ", {}, "G3ABC de GB7TST  9-Dec-2026 1200Z dxspider >\r\n"});
    ClusterClient client("G3ABC", SpotMatcher(islandRegister()), shortTimings());
    client.setReconnecting(false);
    Told told(client);
    client.connectToNode(addressOf(node));
    ASSERT_TRUE(waitUntil([&] { return told.has(NodeState::Closed); }));
    EXPECT_EQ(told.states, (std::vector{NodeState::Connecting, NodeState::LoggingIn, NodeState::LoggedIn,
                                        NodeState::Quiet, NodeState::Closed}));
    EXPECT_EQ(told.texts[3], "The node " + node.address() + " has sent nothing for 80 ms");
    EXPECT_EQ(told.texts[4], "The node " + node.address() + " has sent nothing for 200 ms; the connection is given up");
    EXPECT_TRUE(node.received()[0].startsWith("\xFF\xFE\x01\xFF\xFE\x03G3ABC\r\n\r\n\r\n")) << "keep-alive line ends";
}

// A new user's name question is not answered with anything; the user reads what the node asks.
TEST(ClusterClient, SaysWhatANodeAsksThatItDoesNotAnswer) {
    LocalClusterNode node(
        {"AR-Cluster node GB7TST\r\n", "Please enter your call: ", {}, "Is your name Anna? (Y or N) >"});
    ClusterClient client("G3ABC", SpotMatcher(islandRegister()), shortTimings());
    Told told(client);
    client.connectToNode(addressOf(node));
    ASSERT_TRUE(waitUntil([&] { return told.texts.filter("asks").size() == 1; }));
    EXPECT_EQ(told.texts.last(),
              "The node " + node.address() +
                  " asks \"Is your name Anna? (Y or N) >\", which Skerrydesk does not answer; log in "
                  "to it once with a telnet program to answer it");
    EXPECT_EQ(node.received()[0], "G3ABC\r\n");
    client.disconnectFromNode();
}

}  // namespace
