#include "listupdate/http_client.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include "app/failure.h"
#include "app/text_file.h"

bool isHttpAddress(const QString& address) {
    const QUrl url(address);
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}

QtHttpClient::QtHttpClient(std::chrono::milliseconds silenceLimit)
    : m_manager(std::make_unique<QNetworkAccessManager>()), m_silenceLimit(silenceLimit) {
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
    if (m_silenceLimit.count() > 0) request.setTransferTimeout(int(m_silenceLimit.count()));

    std::unique_ptr<QNetworkReply, void (*)(QNetworkReply*)> reply(m_manager->get(request),
                                                                   [](QNetworkReply* r) { r->deleteLater(); });
    m_reply = reply.get();
    m_outcome = Outcome::Running;
    // The announced length is checked before the body arrives, the received length as it grows.
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, reply.get(), [this](qint64 received, qint64 total) {
        if (m_reply && (received > kMaxBodyBytes || total > kMaxBodyBytes)) {
            m_outcome = Outcome::TooLarge;
            m_reply->abort();
        }
    });
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) loop.exec();
    m_reply = nullptr;

    if (reply->error() != QNetworkReply::NoError || m_outcome != Outcome::Running)
        throw Failure(failureMessage(address, *reply));
    return decodeText(reply->readAll());
}

void QtHttpClient::abort() {
    if (!m_reply) return;
    m_outcome = Outcome::Stopped;
    m_reply->abort();
}

QString QtHttpClient::failureMessage(const QString& address, const QNetworkReply& reply) const {
    switch (m_outcome) {
        case Outcome::Stopped:
            return QStringLiteral("Download of %1 stopped").arg(address);
        case Outcome::TooLarge:
            return QStringLiteral("Download of %1 stopped: the answer is larger than %2 MiB")
                .arg(address)
                .arg(kMaxBodyBytes / (1024 * 1024));
        case Outcome::Running:
            break;
    }
    // A GET that nobody stopped is only cancelled by the silence limit.
    if (reply.error() == QNetworkReply::OperationCanceledError)
        return QStringLiteral("Download of %1 failed: no answer within %2 seconds")
            .arg(address)
            .arg(m_silenceLimit.count() / 1000.0);
    return QStringLiteral("Download of %1 failed: %2").arg(address, reply.errorString());
}
