#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

// A small DX cluster node on 127.0.0.1 for the client tests, as a telnet user meets one: its
// greeting, a login question left open for the call, then after the call the session's stream,
// or a refusal and a hang-up.
class LocalClusterNode : public QObject {
public:
    struct Session {
        QByteArray greeting;                  // sent on connecting, before the question
        QByteArray callQuestion = "login: ";  // empty: the stream follows the connection at once
        QByteArray refusal;                   // sent after the call instead of the stream, then hangs up
        QByteArray stream;                    // the lines after the call
        int dripMs = 0;                       // the stream in pieces, one every dripMs
        qsizetype dripBytes = 1;              // of this many bytes
        bool hangUpAfterStream = false;
        bool hangUpAtOnce = false;  // drops each connection as it comes, without a word
    };

    explicit LocalClusterNode(Session session);

    QString address() const;
    int connections() const { return int(m_received.size()); }
    // What the client sent on each connection, in order.
    const QList<QByteArray>& received() const { return m_received; }

private:
    void accept();
    void readFrom(QTcpSocket* socket, int connection);
    void sendStream(QTcpSocket* socket);
    void drip(QTcpSocket* socket);

    QTcpServer m_server;
    Session m_session;
    QList<QByteArray> m_received;
};
