#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QTcpServer>

// A small HTTP server on 127.0.0.1 for the download tests, answering each path as it is told.
class QTcpSocket;

class LocalHttpServer : public QObject {
public:
    struct Answer {
        QByteArray head;  // status line and headers, without the blank line
        QByteArray body;
        bool silent = false;         // reads the request and never answers
        bool closeAtOnce = false;    // drops the connection without a word
        bool announceLength = true;  // sends Content-Length; otherwise the end of the body is the close
        int dripMs = 0;              // sends the body one byte at a time, one every dripMs, and never ends
        bool raw = false;            // sends the body as the whole answer, head and framing included, then closes
    };

    // An answer sent byte for byte as given, then the connection closed.
    void answerRaw(const QByteArray& path, const QByteArray& bytes);

    LocalHttpServer();

    // Plain answers: a body with status 200, a redirect, an error status.
    void serve(const QByteArray& path, const QByteArray& body);
    void redirect(const QByteArray& path, const QByteArray& location);
    void answer(const QByteArray& path, Answer answer);

    QString url(const QByteArray& path) const;
    // The request heads received so far, in order.
    const QList<QByteArray>& requests() const { return m_requests; }

private:
    void accept();
    void respond(QTcpSocket* socket, const QByteArray& request);
    void drip(QTcpSocket* socket, const Answer& answer);

    QTcpServer m_server;
    QMap<QByteArray, Answer> m_answers;
    QList<QByteArray> m_requests;
    QHash<QTcpSocket*, QByteArray> m_pending;  // requests still arriving
};
