#include "support/local_http_server.h"

#include <QTcpSocket>
#include <QTimer>

LocalHttpServer::LocalHttpServer() {
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, &LocalHttpServer::accept);
}

void LocalHttpServer::serve(const QByteArray& path, const QByteArray& body) {
    answer(path, {"HTTP/1.1 200 OK\r\nContent-Type: text/plain", body});
}

void LocalHttpServer::redirect(const QByteArray& path, const QByteArray& location) {
    answer(path, {"HTTP/1.1 302 Found\r\nLocation: " + location, {}});
}

void LocalHttpServer::answerRaw(const QByteArray& path, const QByteArray& bytes) {
    Answer raw{{}, bytes};
    raw.raw = true;
    answer(path, raw);
}

void LocalHttpServer::answer(const QByteArray& path, Answer answer) {
    m_answers[path] = std::move(answer);
}

QString LocalHttpServer::url(const QByteArray& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(QString::fromLatin1(path));
}

void LocalHttpServer::accept() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            QByteArray& request = m_pending[socket];
            request += socket->readAll();
            if (request.contains("\r\n\r\n")) respond(socket, m_pending.take(socket));
        });
    }
}

void LocalHttpServer::respond(QTcpSocket* socket, const QByteArray& request) {
    m_requests << request.left(request.indexOf("\r\n\r\n"));
    const QByteArray path = request.split(' ').value(1);
    const auto found = m_answers.constFind(path);
    if (found == m_answers.constEnd()) {
        socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n");
        return;
    }
    const Answer& answer = *found;
    if (answer.silent) return;
    if (answer.closeAtOnce) {
        socket->abort();
        return;
    }
    if (answer.raw) {
        // Handed to the system at once and closed right behind: the last bytes and the end of the
        // connection reach the client together, as from a server that dies.
        socket->write(answer.body);
        socket->flush();
        socket->abort();
        return;
    }
    QByteArray head = answer.head + "\r\nConnection: close\r\n";
    if (answer.announceLength) head += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
    socket->write(head + "\r\n");
    if (answer.dripMs > 0) return drip(socket, answer);
    socket->write(answer.body);
    socket->disconnectFromHost();
}

// A byte of the body at every tick, the body over and over, until the client hangs up.
void LocalHttpServer::drip(QTcpSocket* socket, const Answer& answer) {
    auto* tick = new QTimer(socket);
    connect(tick, &QTimer::timeout, socket, [socket, body = answer.body, sent = qsizetype(0)]() mutable {
        socket->write(body.mid(sent++ % body.size(), 1));
    });
    tick->start(answer.dripMs);
}
