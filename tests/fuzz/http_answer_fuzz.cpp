#include <QCoreApplication>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <chrono>

#include "base/text_file.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_targets.h"
#include "listupdate/http_client.h"

namespace fuzz::httpAnswer {

namespace {

// A web server on 127.0.0.1 that answers the first request of each input with the input bytes as
// they stand (status line, headers, body) and a redirect target with a short page, then closes
// the connection.
class AnsweringServer {
public:
    AnsweringServer() {
        require(m_server.listen(QHostAddress::LocalHost), "the local server listens");
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] { accept(); });
    }

    QString url() const { return QStringLiteral("http://127.0.0.1:%1/update.txt").arg(m_server.serverPort()); }

    void answerWith(const QByteArray& answer) {
        m_answer = answer;
        m_answered = false;
    }

private:
    void accept() {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket] {
                m_requests.remove(socket);
                socket->deleteLater();
            });
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { respond(socket); });
        }
    }

    void respond(QTcpSocket* socket) {
        QByteArray& request = m_requests[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n")) return;
        m_requests.remove(socket);
        socket->write(m_answered ? QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\nredirect\n") : m_answer);
        m_answered = true;
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QByteArray m_answer;
    bool m_answered = false;
    QHash<QTcpSocket*, QByteArray> m_requests;
};

// The application object and the server live until the process ends: destroying them at exit,
// after Qt's own globals, would crash.
void makeApplication() {
    static int argc = 1;
    static char name[] = "fuzz_http_answer";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
}

// An answer that names another host ("Location: //elsewhere/", "http://elsewhere/") would send
// the client out to the network; such inputs are passed over.
bool namesAnotherHost(const QByteArray& answer) {
    return answer.contains("//");
}

}  // namespace

// Any bytes as the answer of a web server to the GET of an island list update text.
int fuzzOne(const uint8_t* data, size_t size) {
    makeApplication();
    static AnsweringServer& server = *new AnsweringServer;
    const QByteArray answer = inputBytes(data, size);
    if (namesAnotherHost(answer)) return 0;
    server.answerWith(answer);
    return runReader([&] {
        QtHttpClient client(std::chrono::milliseconds(2000));
        const QString body = client.get(server.url());
        require(body.size() <= kMaxBodyBytes, "a body over the size limit is refused");
        splitLines(body);
    });
}

}  // namespace fuzz::httpAnswer
