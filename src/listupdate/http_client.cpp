#include "listupdate/http_client.h"

#include <QEventLoop>
#include <QNetworkProxy>
#include <QScopedValueRollback>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>
#include <memory>

#include "base/failure.h"
#include "base/text_file.h"
#include "listupdate/compressed_answer.h"
#include "listupdate/http_answer.h"

namespace {

constexpr int kMaxRedirects = 20;

bool isRedirect(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

bool isSecure(const QUrl& url) {
    return url.scheme() == QLatin1String("https");
}

// The GET of one address; the connection is closed after the answer, so its end is the close.
QByteArray requestFor(const QUrl& url) {
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty()) target = "/";
    if (url.hasQuery()) target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    const QByteArray host = url.adjusted(QUrl::RemoveUserInfo).authority(QUrl::FullyEncoded).toLatin1();
    return "GET " + target + " HTTP/1.1\r\nHost: " + host + "\r\nAccept: " + kAcceptHeader +
           "\r\nUser-Agent: " + kUserAgent + "\r\nAccept-Encoding: " + kAcceptEncodingHeader +
           "\r\nConnection: close\r\n\r\n";
}

Failure downloadFailure(const QString& address, const QString& reason) {
    return Failure(QStringLiteral("Download of %1 failed: %2").arg(address, reason));
}

// Why an exchange gave no answer to use; empty when it did.
QString unusableAnswer(const HttpAnswerReader& answer, const QString& socketError) {
    switch (answer.state()) {
        case HttpAnswerReader::State::Complete:
        case HttpAnswerReader::State::TooLarge:
            return QString();
        case HttpAnswerReader::State::Malformed:
            return QStringLiteral("the server's answer is malformed: %1").arg(answer.malformation());
        case HttpAnswerReader::State::Reading:
            break;
    }
    // The head is all a redirect or an error status needs.
    if (answer.headRead() && answer.status() / 100 != 2) return QString();
    if (answer.headRead())
        return QStringLiteral("the download ended early after %1 bytes; nothing was changed").arg(answer.body().size());
    return socketError.isEmpty() ? QStringLiteral("the server closed the connection before it answered") : socketError;
}

}  // namespace

bool isHttpAddress(const QString& address) {
    const QUrl url(address);
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}

QtHttpClient::QtHttpClient(std::chrono::milliseconds deadline) : m_deadline(deadline) {}

QtHttpClient::~QtHttpClient() {
    abort();
}

QString QtHttpClient::get(const QString& address) {
    if (!isHttpAddress(address))
        throw Failure(
            QStringLiteral("Cannot download \"%1\": only http:// and https:// addresses can be fetched").arg(address));
    if (m_running) throw Failure(QStringLiteral("Cannot download %1: another download is still running").arg(address));
    const QScopedValueRollback<bool> running(m_running, true);
    m_outcome = Outcome::Running;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [this] { breakOff(Outcome::DeadlinePassed); });
    if (m_deadline.count() > 0) deadline.start(m_deadline);

    QUrl url(address);
    for (int redirects = 0;; ++redirects) {
        const HttpAnswerReader answer = exchange(address, url);
        if (answer.state() == HttpAnswerReader::State::TooLarge) throw Failure(tooLargeMessage(address));
        const QByteArray location = answer.header("Location");
        if (!isRedirect(answer.status()) || location.isEmpty()) {
            if (answer.status() / 100 != 2)
                throw downloadFailure(address, QStringLiteral("the server answered %1 %2")
                                                   .arg(answer.status())
                                                   .arg(QString::fromLatin1(answer.reason())));
            return decodeText(decompressedBody(address, answer));
        }
        if (redirects == kMaxRedirects)
            throw downloadFailure(address, QStringLiteral("too many redirects (more than %1)").arg(kMaxRedirects));
        url = redirectTarget(address, url, location);
    }
}

HttpAnswerReader QtHttpClient::exchange(const QString& address, const QUrl& url) {
    const bool secure = isSecure(url);
    if (secure && !QSslSocket::supportsSsl())
        throw downloadFailure(address, QStringLiteral("this system offers no TLS for https:// addresses"));
    HttpAnswerReader answer(kMaxBodyBytes);
    QEventLoop loop;
    bool ended = false;
    QString socketError;
    const std::unique_ptr<QTcpSocket> socket(secure ? new QSslSocket : new QTcpSocket);
    socket->setProxy(QNetworkProxy::NoProxy);
    const auto end = [&] {
        ended = true;
        loop.quit();
    };
    const auto read = [&] {
        if (socket->isReadable()) answer.feed(socket->readAll());
        const bool bodyWanted = answer.status() / 100 == 2;
        if (answer.state() != HttpAnswerReader::State::Reading || (answer.headRead() && !bodyWanted)) end();
    };
    const auto send = [&] { socket->write(requestFor(url)); };
    if (secure)
        QObject::connect(static_cast<QSslSocket*>(socket.get()), &QSslSocket::encrypted, &loop, send);
    else
        QObject::connect(socket.get(), &QTcpSocket::connected, &loop, send);
    QObject::connect(socket.get(), &QTcpSocket::readyRead, &loop, read);
    // What arrived before the close is read first; only then does the framing tell a cut.
    QObject::connect(socket.get(), &QTcpSocket::disconnected, &loop, [&] {
        read();
        answer.close();
        end();
    });
    QObject::connect(socket.get(), &QTcpSocket::errorOccurred, &loop, [&](QAbstractSocket::SocketError error) {
        read();
        if (error == QAbstractSocket::RemoteHostClosedError)
            answer.close();
        else
            socketError = socket->errorString();
        end();
    });
    m_socket = socket.get();
    const QScopedValueRollback<QEventLoop*> waiting(m_loop, &loop);
    const quint16 port = quint16(url.port(secure ? 443 : 80));
    if (secure)
        static_cast<QSslSocket*>(socket.get())->connectToHostEncrypted(url.host(), port);
    else
        socket->connectToHost(url.host(), port);
    if (!ended && m_outcome == Outcome::Running) loop.exec();
    QObject::disconnect(socket.get(), nullptr, nullptr, nullptr);
    socket->abort();

    if (m_outcome != Outcome::Running) throw Failure(outcomeMessage(address));
    if (const QString reason = unusableAnswer(answer, socketError); !reason.isEmpty())
        throw downloadFailure(address, reason);
    return answer;
}

QUrl QtHttpClient::redirectTarget(const QString& address, const QUrl& from, const QByteArray& location) {
    const QUrl target = from.resolved(QUrl::fromEncoded(location));
    if (isSecure(from) && target.scheme() == QLatin1String("http"))
        throw Failure(QStringLiteral("Download of %1 refused: the server sent it on from https:// to an http:// "
                                     "address, which anyone on the way could change")
                          .arg(address));
    if (!isHttpAddress(target.toString()))
        throw downloadFailure(address,
                              QStringLiteral("the server sent it on to \"%1\", which is no http:// or https:// address")
                                  .arg(target.toString()));
    return target;
}

QByteArray QtHttpClient::decompressedBody(const QString& address, const HttpAnswerReader& answer) {
    const QByteArray encoding = answer.header("Content-Encoding");
    auto body = decompressAnswer(answer.body(), encoding, kMaxBodyBytes);
    if (QByteArray* text = std::get_if<QByteArray>(&body)) return std::move(*text);
    const DecompressionFailure& failure = std::get<DecompressionFailure>(body);
    if (failure.tooLarge) throw Failure(tooLargeMessage(address));
    throw downloadFailure(address, QStringLiteral("the answer, compressed as \"%1\", does not decompress: %2")
                                       .arg(QString::fromLatin1(encoding), failure.reason));
}

QString QtHttpClient::tooLargeMessage(const QString& address) {
    return QStringLiteral("Download of %1 stopped: the answer is larger than %2 MiB")
        .arg(address)
        .arg(kMaxBodyBytes / (1024 * 1024));
}

void QtHttpClient::abort() {
    breakOff(Outcome::Stopped);
}

void QtHttpClient::breakOff(Outcome outcome) {
    if (!m_running || m_outcome != Outcome::Running) return;
    m_outcome = outcome;
    if (m_socket) m_socket->abort();
    if (m_loop) m_loop->quit();
}

QString QtHttpClient::outcomeMessage(const QString& address) const {
    switch (m_outcome) {
        case Outcome::Stopped:
            return QStringLiteral("Download of %1 stopped").arg(address);
        case Outcome::DeadlinePassed:
            return QStringLiteral("Download of %1 failed: not finished within %2 seconds")
                .arg(address)
                .arg(double(m_deadline.count()) / 1000.0);
        case Outcome::Running:
            break;
    }
    return QString();
}
