#pragma once

#include <QPointer>
#include <QString>
#include <QUrl>
#include <chrono>

class HttpAnswerReader;
class QEventLoop;
class QTcpSocket;

// Fetches an island list update text by HTTP GET. While a GET waits for the network the
// caller's events keep flowing, so the window repaints and its Stop button can call abort().
class HttpClient {
public:
    virtual ~HttpClient() = default;

    // GETs the address and returns the response body decoded like a text file (UTF-8 when
    // valid, otherwise Windows-1252). Fails with a message naming the address and the reason:
    // an address that is not http:// or https://, no connection, an HTTP error status, too many
    // redirects, a body over the size limit, an answer cut off before its announced end, a
    // compressed body that does not decompress, or a GET broken off by abort() or by the client's
    // deadline.
    virtual QString get(const QString& address) = 0;

    // Breaks off a running GET, which then fails; does nothing when none runs.
    virtual void abort() = 0;
};

// The request headers and the body limit of every GET.
inline constexpr const char* kAcceptHeader = "text/html, */*";
inline constexpr const char* kUserAgent = "Mozilla/3.0 (compatible; Indy Library)";
inline constexpr qint64 kMaxBodyBytes = qint64(32) * 1024 * 1024;

// Whether the client fetches an address at all: an http:// or https:// URL with a host.
bool isHttpAddress(const QString& address);

// The HTTP/1.1 client on Qt's sockets (TLS for https): follows redirects (never from https to
// http), sends the headers above, asks for gzip or deflate compression and undoes it, uses no
// proxy, and waits in an event loop of its own. It reads the answer's framing itself: Qt's own
// client may end a chunked answer cut off before its last chunk without an error, and a text cut
// short must never pass for the whole list.
class QtHttpClient : public HttpClient {
public:
    // With a deadline, a GET that has not ended that long after it began fails, however steadily
    // the answer trickles in; without one it waits until abort(), as the update panel's Stop
    // button allows.
    explicit QtHttpClient(std::chrono::milliseconds deadline = std::chrono::milliseconds::zero());
    ~QtHttpClient() override;

    QString get(const QString& address) override;
    void abort() override;

private:
    enum class Outcome { Running, Stopped, DeadlinePassed };

    // One request on a connection of its own and the answer read from it, whole, or as far as a
    // redirect or an error status needs it.
    HttpAnswerReader exchange(const QString& address, const QUrl& url);
    static QUrl redirectTarget(const QString& address, const QUrl& from, const QByteArray& location);
    void breakOff(Outcome outcome);
    static QByteArray decompressedBody(const QString& address, const HttpAnswerReader& answer);
    static QString tooLargeMessage(const QString& address);
    QString outcomeMessage(const QString& address) const;

    std::chrono::milliseconds m_deadline;
    bool m_running = false;
    QPointer<QTcpSocket> m_socket;
    QEventLoop* m_loop = nullptr;
    Outcome m_outcome = Outcome::Running;
};
