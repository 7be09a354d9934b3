#include "support/local_cluster_node.h"

#include <QTcpSocket>
#include <QTimer>

LocalClusterNode::LocalClusterNode(Session session) : m_session(std::move(session)) {
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, &LocalClusterNode::accept);
}

QString LocalClusterNode::address() const {
    return QStringLiteral("127.0.0.1:%1").arg(m_server.serverPort());
}

void LocalClusterNode::accept() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        const int connection = int(m_received.size());
        m_received << QByteArray();
        if (m_session.hangUpAtOnce) {
            socket->abort();
            continue;
        }
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, connection] { readFrom(socket, connection); });
        socket->write(m_session.greeting + m_session.callQuestion);
        if (m_session.callQuestion.isEmpty()) sendStream(socket);
    }
}

// The node cuts the call at the line end, as DXSpider does.
void LocalClusterNode::readFrom(QTcpSocket* socket, int connection) {
    QByteArray& received = m_received[connection];
    const bool hadCall = received.contains('\n');
    received += socket->readAll();
    if (hadCall || !received.contains('\n') || m_session.callQuestion.isEmpty()) return;
    if (m_session.refusal.isEmpty()) return sendStream(socket);
    socket->write(m_session.refusal);
    socket->disconnectFromHost();
}

void LocalClusterNode::sendStream(QTcpSocket* socket) {
    if (m_session.dripMs > 0) return drip(socket);
    socket->write(m_session.stream);
    if (m_session.hangUpAfterStream) socket->disconnectFromHost();
}

void LocalClusterNode::drip(QTcpSocket* socket) {
    auto* tick = new QTimer(socket);
    connect(tick, &QTimer::timeout, socket, [this, socket, tick, sent = qsizetype(0)]() mutable {
        if (sent < m_session.stream.size()) {
            socket->write(m_session.stream.mid(sent, m_session.dripBytes));
            sent += m_session.dripBytes;
            return;
        }
        tick->stop();
        if (m_session.hangUpAfterStream) socket->disconnectFromHost();
    });
    tick->start(m_session.dripMs);
}
