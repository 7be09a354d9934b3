#include "listupdate/http_client.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include "base/failure.h"
#include "base/text_file.h"
#include "listupdate/compressed_answer.h"

bool isHttpAddress(const QString& address) {
    const QUrl url(address);
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}

QtHttpClient::QtHttpClient(std::chrono::milliseconds deadline)
    : m_manager(std::make_unique<QNetworkAccessManager>()), m_deadline(deadline) {
    m_manager->setProxy(QNetworkProxy::NoProxy);
}

QtHttpClient::~QtHttpClient() {
    abort();
}

QString QtHttpClient::get(const QString& address) {
    if (!isHttpAddress(address))
        throw Failure(
            QStringLiteral("Cannot download \"%1\": only http:// and https:// addresses can be fetched").arg(address));
    if (m_reply) throw Failure(QStringLiteral("Cannot download %1: another download is still running").arg(address));

    QNetworkRequest request{QUrl(address)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setRawHeader("Accept", kAcceptHeader);
    request.setHeader(QNetworkRequest::UserAgentHeader, QLatin1String(kUserAgent));
    // Asked for here, the compression is left to us: Qt's own passes a stream cut short.
    request.setRawHeader("Accept-Encoding", kAcceptEncodingHeader);

    std::unique_ptr<QNetworkReply, void (*)(QNetworkReply*)> reply(m_manager->get(request),
                                                                   [](QNetworkReply* r) { r->deleteLater(); });
    m_reply = reply.get();
    m_outcome = Outcome::Running;
    // The announced length is checked before the body arrives, the received length as it grows.
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, reply.get(), [this](qint64 received, qint64 total) {
        if (received > kMaxBodyBytes || total > kMaxBodyBytes) breakOff(Outcome::TooLarge);
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply.get(), [this] { breakOff(Outcome::DeadlinePassed); });
    if (m_deadline.count() > 0) deadline.start(m_deadline);
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) loop.exec();
    m_reply = nullptr;

    if (reply->error() != QNetworkReply::NoError || m_outcome != Outcome::Running)
        throw Failure(failureMessage(address, *reply));
    return decodeText(decompressedBody(address, *reply));
}

QByteArray QtHttpClient::decompressedBody(const QString& address, QNetworkReply& reply) {
    const QByteArray encoding = reply.rawHeader("Content-Encoding");
    auto body = decompressAnswer(reply.readAll(), encoding, kMaxBodyBytes);
    if (QByteArray* text = std::get_if<QByteArray>(&body)) return std::move(*text);
    const DecompressionFailure& failure = std::get<DecompressionFailure>(body);
    if (failure.tooLarge) throw Failure(tooLargeMessage(address));
    throw Failure(QStringLiteral("Download of %1 failed: the answer, compressed as \"%2\", does not decompress: %3")
                      .arg(address, QString::fromLatin1(encoding), failure.reason));
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
    if (!m_reply || m_outcome != Outcome::Running) return;
    m_outcome = outcome;
    m_reply->abort();
}

QString QtHttpClient::failureMessage(const QString& address, const QNetworkReply& reply) const {
    switch (m_outcome) {
        case Outcome::Stopped:
            return QStringLiteral("Download of %1 stopped").arg(address);
        case Outcome::TooLarge:
            return tooLargeMessage(address);
        case Outcome::DeadlinePassed:
            return QStringLiteral("Download of %1 failed: not finished within %2 seconds")
                .arg(address)
                .arg(double(m_deadline.count()) / 1000.0);
        case Outcome::Running:
            break;
    }
    if (reply.error() == QNetworkReply::InsecureRedirectError)
        return QStringLiteral(
                   "Download of %1 refused: the server sent it on from https:// to an http:// address, "
                   "which anyone on the way could change")
            .arg(address);
    return QStringLiteral("Download of %1 failed: %2").arg(address, reply.errorString());
}
