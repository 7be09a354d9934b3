#pragma once

#include <QAbstractSocket>
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <vector>

#include "cluster/node_address.h"
#include "cluster/recent_spots.h"
#include "cluster/reconnect_policy.h"
#include "cluster/spot_matcher.h"
#include "cluster/telnet_line_reader.h"

class QTcpSocket;

// Where a client stands with its node.
enum class NodeState {
    Disconnected,  // not connected and not trying
    Connecting,
    LoggingIn,    // connected, the login under way
    LoggedIn,     // spots arrive
    Quiet,        // connected, but the node has sent nothing for a while
    Unreachable,  // the node could not be reached
    Refused,      // the node refused the login
    Closed,       // the node closed the connection, it broke, or it was given up as dead
};

// The times a client keeps. A keep-alive line end goes to the node after each keepAlive without a
// byte from it (a live node answers with its prompt); after quiet it counts as quiet, after
// giveUp the connection is given up as dead.
struct ClusterTimings {
    std::chrono::milliseconds batch{250};  // island spots gathered before a list is told of them
    std::chrono::milliseconds connect = std::chrono::seconds(30);
    std::chrono::milliseconds keepAlive = std::chrono::minutes(1);
    std::chrono::milliseconds quiet = std::chrono::minutes(2);
    std::chrono::milliseconds giveUp = std::chrono::minutes(5);
    ReconnectPolicy reconnect;
};

// A telnet client of a DX cluster node: connects, logs in with the owner's callsign when the
// node asks for a call, reads the node's lines (readNodeLine) and matches the spots against the
// register. It tells of its state with a line for the user, and of the island spots in batches,
// so that a flood of spots costs a list one update per batch. After the node could not be
// reached, refused or dropped the connection it connects again after the reconnect policy's
// wait, unless reconnecting is switched off (the CLI) or disconnectFromNode() was called. It
// never writes the register.
class ClusterClient : public QObject {
    Q_OBJECT
public:
    ClusterClient(QString callsign, SpotMatcher matcher, ClusterTimings timings = {}, QObject* parent = nullptr);
    ~ClusterClient() override;

    void connectToNode(const NodeAddress& node);
    // Ends the connection and any waiting to reconnect; the state becomes Disconnected.
    void disconnectFromNode();
    void setReconnecting(bool on) { m_reconnecting = on; }

    // The register as it is now (after an import): kept spots are matched anew.
    void setMatcher(SpotMatcher matcher);

    NodeState state() const { return m_state; }
    // What the state means for the user: "Logged in to dxc.example.org:7300 as G3ABC".
    const QString& stateText() const { return m_stateText; }
    // The island spots of the session, newest first; updated before spotsArrived.
    const RecentSpots& recentSpots() const { return m_recent; }

signals:
    void stateChanged(NodeState state, const QString& text);
    // The island spots of one batch, oldest first, already added to recentSpots().
    void spotsArrived(const std::vector<IslandSpot>& spots);

private:
    void connectNow();
    void connected();
    void readAvailable();
    void readLine(const QString& line);
    void answerUnfinishedQuestion();
    void answerCallQuestion();
    void markLoggedIn();
    void showLiveState();
    void silenceTick();
    void socketFailed(QAbstractSocket::SocketError error);
    void nodeClosed();
    void endSession(NodeState state, const QString& text);
    void dropSocket();
    void setState(NodeState state, const QString& text);
    void flushBatch();
    QString node() const { return m_node.text(); }

    QString m_callsign;
    SpotMatcher m_matcher;
    ClusterTimings m_timings;
    NodeAddress m_node;
    QTcpSocket* m_socket = nullptr;
    TelnetLineReader m_reader;
    bool m_callSent = false;
    bool m_loggedIn = false;
    bool m_reconnecting = true;
    bool m_wanted = false;
    std::chrono::milliseconds m_silentFor{0};
    QTimer m_connectTimer;
    QTimer m_silenceTimer;
    QTimer m_reconnectTimer;
    QTimer m_batchTimer;
    std::vector<IslandSpot> m_batch;
    RecentSpots m_recent;
    NodeState m_state = NodeState::Disconnected;
    QString m_stateText;
};
