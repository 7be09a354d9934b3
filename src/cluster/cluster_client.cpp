#include "cluster/cluster_client.h"

#include <QNetworkProxy>
#include <QTcpSocket>

#include "cluster/node_line.h"

namespace {

// "300 ms", "5 s", "2 min": how long, for the state line.
QString durationText(std::chrono::milliseconds duration) {
    using namespace std::chrono;
    if (duration >= minutes(1) && duration % minutes(1) == milliseconds(0))
        return QStringLiteral("%1 min").arg(duration_cast<minutes>(duration).count());
    if (duration >= seconds(1)) return QStringLiteral("%1 s").arg(duration_cast<seconds>(duration).count());
    return QStringLiteral("%1 ms").arg(duration.count());
}

constexpr QByteArrayView kLineEnd = "\r\n";

}  // namespace

ClusterClient::ClusterClient(QString callsign, SpotMatcher matcher, ClusterTimings timings, QObject* parent)
    : QObject(parent), m_callsign(std::move(callsign)), m_matcher(std::move(matcher)), m_timings(timings) {
    m_connectTimer.setSingleShot(true);
    m_reconnectTimer.setSingleShot(true);
    m_batchTimer.setSingleShot(true);
    connect(&m_connectTimer, &QTimer::timeout, this, [this] {
        endSession(NodeState::Unreachable, QStringLiteral("Cannot reach the node %1: no answer within %2")
                                               .arg(node(), durationText(m_timings.connect)));
    });
    connect(&m_reconnectTimer, &QTimer::timeout, this, &ClusterClient::connectNow);
    connect(&m_silenceTimer, &QTimer::timeout, this, &ClusterClient::silenceTick);
    connect(&m_batchTimer, &QTimer::timeout, this, &ClusterClient::flushBatch);
}

ClusterClient::~ClusterClient() {
    dropSocket();
}

void ClusterClient::connectToNode(const NodeAddress& node) {
    m_reconnectTimer.stop();
    dropSocket();
    m_node = node;
    m_wanted = true;
    connectNow();
}

void ClusterClient::disconnectFromNode() {
    m_wanted = false;
    m_reconnectTimer.stop();
    flushBatch();
    dropSocket();
    setState(NodeState::Disconnected, QStringLiteral("Disconnected from %1").arg(node()));
}

void ClusterClient::setMatcher(SpotMatcher matcher) {
    m_matcher = std::move(matcher);
    m_recent.restate(m_matcher);
}

void ClusterClient::connectNow() {
    m_reader = TelnetLineReader();
    m_callSent = false;
    m_loggedIn = false;
    m_socket = new QTcpSocket(this);
    m_socket->setProxy(QNetworkProxy::NoProxy);  // a node is reached directly, as the list downloads are
    connect(m_socket, &QTcpSocket::connected, this, &ClusterClient::connected);
    connect(m_socket, &QTcpSocket::readyRead, this, &ClusterClient::readAvailable);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &ClusterClient::socketFailed);
    connect(m_socket, &QTcpSocket::disconnected, this, &ClusterClient::nodeClosed);
    setState(NodeState::Connecting, QStringLiteral("Connecting to %1").arg(node()));
    m_connectTimer.start(m_timings.connect);
    m_socket->connectToHost(m_node.host, m_node.port);
}

void ClusterClient::connected() {
    m_connectTimer.stop();
    m_silentFor = std::chrono::milliseconds(0);
    m_silenceTimer.start(m_timings.keepAlive);
    showLiveState();
}

void ClusterClient::readAvailable() {
    if (!m_socket) return;
    std::vector<QString> lines;
    m_reader.read(m_socket->readAll(), lines);
    if (const QByteArray answers = m_reader.takeAnswers(); !answers.isEmpty()) m_socket->write(answers);
    m_silentFor = std::chrono::milliseconds(0);
    m_silenceTimer.start(m_timings.keepAlive);
    if (m_state == NodeState::Quiet) showLiveState();
    for (const QString& line : lines) {
        readLine(line);
        if (!m_socket) return;  // the line ended the session
    }
    answerUnfinishedQuestion();
}

void ClusterClient::readLine(const QString& line) {
    NodeLine read = readNodeLine(line);
    switch (read.kind) {
        case NodeLineKind::Spot: {
            markLoggedIn();
            std::vector<IslandSpot> spots = m_matcher.islandSpots(read.spot);
            if (spots.empty()) return;
            m_batch.insert(m_batch.end(), std::make_move_iterator(spots.begin()), std::make_move_iterator(spots.end()));
            if (!m_batchTimer.isActive()) m_batchTimer.start(m_timings.batch);
            return;
        }
        case NodeLineKind::Prompt:
        case NodeLineKind::Announcement:
        case NodeLineKind::SolarReport:
            return markLoggedIn();
        case NodeLineKind::CallQuestion:
            return answerCallQuestion();
        case NodeLineKind::PasswordQuestion:
            if (!m_loggedIn)
                endSession(NodeState::Refused,
                           QStringLiteral("The node %1 asks for a password for %2, which Skerrydesk cannot give")
                               .arg(node(), m_callsign));
            return;
        case NodeLineKind::OtherQuestion:
            if (!m_loggedIn)
                setState(NodeState::LoggingIn,
                         QStringLiteral("The node %1 asks \"%2\", which Skerrydesk does not answer; log in to it "
                                        "once with a telnet program to answer it")
                             .arg(node(), line.trimmed()));
            return;
        case NodeLineKind::Refusal:
            if (m_callSent && !m_loggedIn)
                endSession(
                    NodeState::Refused,
                    QStringLiteral("The node %1 refused the login of %2: %3").arg(node(), m_callsign, line.trimmed()));
            return;
        case NodeLineKind::Blank:
        case NodeLineKind::Text:
            return;
    }
}

// A node asks its login questions on a line it leaves open for the answer.
void ClusterClient::answerUnfinishedQuestion() {
    if (m_loggedIn) return;
    const QString unfinished = m_reader.unfinishedLine();
    if (questionKind(unfinished) != NodeLineKind::Text) readLine(unfinished);
}

// Answered once: CC Cluster asks "Please enter your call:" and then "login:" for the same call.
void ClusterClient::answerCallQuestion() {
    if (m_callSent || m_loggedIn) return;
    m_reader.dropUnfinishedLine();
    m_socket->write(m_callsign.toUtf8() + kLineEnd.toByteArray());
    m_callSent = true;
}

void ClusterClient::markLoggedIn() {
    if (m_loggedIn && m_state == NodeState::LoggedIn) return;
    if (!m_loggedIn) m_timings.reconnect.reset();
    m_loggedIn = true;
    setState(NodeState::LoggedIn, QStringLiteral("Logged in to %1 as %2").arg(node(), m_callsign));
}

// The state of a live connection: logged in, or still logging in.
void ClusterClient::showLiveState() {
    if (m_loggedIn) return markLoggedIn();
    setState(NodeState::LoggingIn, QStringLiteral("Connected to %1, logging in as %2").arg(node(), m_callsign));
}

void ClusterClient::silenceTick() {
    m_silentFor += m_timings.keepAlive;
    if (m_silentFor >= m_timings.giveUp)
        return endSession(NodeState::Closed,
                          QStringLiteral("The node %1 has sent nothing for %2; the connection is given up")
                              .arg(node(), durationText(m_silentFor)));
    if (m_loggedIn) m_socket->write(kLineEnd.toByteArray());
    if (m_silentFor >= m_timings.quiet && m_state != NodeState::Quiet)
        setState(NodeState::Quiet,
                 QStringLiteral("The node %1 has sent nothing for %2").arg(node(), durationText(m_silentFor)));
}

void ClusterClient::socketFailed(QAbstractSocket::SocketError error) {
    if (!m_socket) return;
    if (m_state == NodeState::Connecting)
        return endSession(NodeState::Unreachable,
                          QStringLiteral("Cannot reach the node %1: %2").arg(node(), m_socket->errorString()));
    if (error == QAbstractSocket::RemoteHostClosedError) return nodeClosed();
    endSession(NodeState::Closed,
               QStringLiteral("The connection to %1 broke: %2").arg(node(), m_socket->errorString()));
}

// What the node sent before it hung up is read first: a refusal may be among it.
void ClusterClient::nodeClosed() {
    if (!m_socket) return;
    if (m_socket->bytesAvailable() > 0) readAvailable();
    if (!m_socket) return;
    if (m_callSent && !m_loggedIn)
        return endSession(
            NodeState::Refused,
            QStringLiteral("The node %1 closed the connection at the login of %2").arg(node(), m_callsign));
    endSession(NodeState::Closed, QStringLiteral("The node %1 closed the connection").arg(node()));
}

void ClusterClient::endSession(NodeState state, const QString& text) {
    flushBatch();
    dropSocket();
    if (!m_reconnecting || !m_wanted) return setState(state, text);
    const std::chrono::milliseconds wait = m_timings.reconnect.nextWait();
    setState(state, QStringLiteral("%1; trying again in %2").arg(text, durationText(wait)));
    m_reconnectTimer.start(wait);
}

void ClusterClient::dropSocket() {
    m_connectTimer.stop();
    m_silenceTimer.stop();
    if (!m_socket) return;
    m_socket->disconnect(this);
    m_socket->abort();
    m_socket->deleteLater();
    m_socket = nullptr;
}

void ClusterClient::setState(NodeState state, const QString& text) {
    if (state == m_state && text == m_stateText) return;
    m_state = state;
    m_stateText = text;
    emit stateChanged(state, text);
}

void ClusterClient::flushBatch() {
    m_batchTimer.stop();
    if (m_batch.empty()) return;
    const std::vector<IslandSpot> batch = std::exchange(m_batch, {});
    m_recent.add(batch);
    emit spotsArrived(batch);
}
