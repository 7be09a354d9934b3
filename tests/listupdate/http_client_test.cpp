#include <gtest/gtest.h>

#include <QFile>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTimer>

#include "base/failure.h"
#include "base/text_file.h"
#include "listupdate/http_client.h"
#include "listupdate/list_update.h"
#include "listupdate/update_panel_rules.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "support/data_folder.h"
#include "support/island_records.h"
#include "support/local_http_server.h"

namespace {

// The message of the failure a GET ends with; empty when it succeeds.
QString failureOf(HttpClient& client, const QString& address) {
    try {
        client.get(address);
    } catch (const Failure& failure) {
        return failure.message();
    }
    return QString();
}

constexpr char kUpdateText[] =
    "IOTA list\r\n"
    "ISLAND   AF-002 5R8         Madagascar\r\n"
    "WI       NA-015\r\n"
    "ISLAND   OC-001 DELETED";

TEST(HttpClient, ReturnsTheBodyAndSendsTheAgreedHeaders) {
    LocalHttpServer server;
    server.serve("/update.txt", kUpdateText);
    QtHttpClient client;
    EXPECT_EQ(client.get(server.url("/update.txt")), QString(kUpdateText));
    ASSERT_EQ(server.requests().size(), 1);
    const QByteArray request = server.requests().first();
    EXPECT_TRUE(request.startsWith("GET /update.txt HTTP/1.1")) << request.toStdString();
    EXPECT_TRUE(request.contains("\r\nAccept: text/html, */*")) << request.toStdString();
    EXPECT_TRUE(request.contains("\r\nUser-Agent: Mozilla/3.0 (compatible; Indy Library)")) << request.toStdString();
}

TEST(HttpClient, DecodesTheBodyLikeATextFile) {
    LocalHttpServer server;
    server.serve("/latin", "Caf\xe9");
    server.serve("/utf8",
                 "\xef\xbb\xbf"
                 "Caf\xc3\xa9");
    QtHttpClient client;
    EXPECT_EQ(client.get(server.url("/latin")), QString::fromUtf8("Caf\xc3\xa9"));
    EXPECT_EQ(client.get(server.url("/utf8")), QString::fromUtf8("Caf\xc3\xa9"));
}

TEST(HttpClient, FollowsRedirects) {
    LocalHttpServer server;
    server.redirect("/old", "/moved");
    server.redirect("/moved", server.url("/update.txt").toLatin1());
    server.serve("/update.txt", kUpdateText);
    QtHttpClient client;
    EXPECT_EQ(client.get(server.url("/old")), QString(kUpdateText));
}

struct FailingAnswer {
    const char* name;
    const char* path;
    const char* messagePart;
};

TEST(HttpClient, FailuresCarryTheClientsMessage) {
    LocalHttpServer server;
    server.redirect("/loop", "/loop");
    server.answer("/reset", {{}, {}, false, true});
    const FailingAnswer answers[] = {
        {"404", "/missing", "Not Found"},
        {"redirect loop", "/loop", "redirect"},
        {"reset", "/reset", "closed"},
    };
    QtHttpClient client;
    for (const FailingAnswer& answer : answers) {
        const QString message = failureOf(client, server.url(answer.path));
        EXPECT_TRUE(message.startsWith("Download of " + server.url(answer.path) + " failed: "))
            << answer.name << ": " << message.toStdString();
        EXPECT_TRUE(message.contains(answer.messagePart, Qt::CaseInsensitive))
            << answer.name << ": " << message.toStdString();
    }
}

TEST(HttpClient, RefusesAddressesThatAreNotHttp) {
    QtHttpClient client;
    for (const char* address : {updatepanel::kUrlPrompt, "ftp://127.0.0.1/list", "file:///etc/passwd", "", "http://"}) {
        const QString message = failureOf(client, address);
        EXPECT_TRUE(message.contains("only http:// and https:// addresses"))
            << address << ": " << message.toStdString();
    }
}

// Stop during a download of a server that never answers breaks the GET off.
TEST(HttpClient, StopBreaksOffASilentServer) {
    LocalHttpServer server;
    server.answer("/silent", {{}, {}, true});
    QtHttpClient client;
    QTimer::singleShot(200, [&] { client.abort(); });
    EXPECT_EQ(failureOf(client, server.url("/silent")), "Download of " + server.url("/silent") + " stopped");
    server.serve("/after", "next");
    EXPECT_EQ(client.get(server.url("/after")), "next") << "the client works again after Stop";
}

// While the window waits for one download, a second one is refused instead of nesting.
TEST(HttpClient, RefusesASecondDownloadWhileOneRuns) {
    LocalHttpServer server;
    server.answer("/silent", {{}, {}, true});
    server.serve("/other", "other");
    QtHttpClient client;
    QString second;
    QTimer::singleShot(100, [&] {
        second = failureOf(client, server.url("/other"));
        client.abort();
    });
    EXPECT_EQ(failureOf(client, server.url("/silent")), "Download of " + server.url("/silent") + " stopped");
    EXPECT_TRUE(second.contains("another download is still running")) << second.toStdString();
}

// A deadline ends a GET however the server stalls: silent, or sending a byte every while.
TEST(HttpClient, ADeadlineEndsASilentOrDrippingServer) {
    LocalHttpServer server;
    server.answer("/silent", {{}, {}, true});
    server.answer("/dripping", {"HTTP/1.1 200 OK", kUpdateText, false, false, false, 50});
    QtHttpClient client(std::chrono::milliseconds(300));
    for (const char* path : {"/silent", "/dripping"})
        EXPECT_EQ(failureOf(client, server.url(path)),
                  "Download of " + server.url(path) + " failed: not finished within 0.3 seconds")
            << path;
}

// "ISLAND   AF-002 5R8         Madagascar\r\n" compressed by gzip.
const QByteArray kGzippedIsland = QByteArray::fromHex(
    "1f8b0800000000000203f30cf671f4735150507074d335303052300db250"
    "8001dfc494c4f4c4e2e4c4225e2e00f158533728000000");

TEST(HttpClient, UndoesTheAnswersCompression) {
    const QByteArray island = "ISLAND   AF-002 5R8         Madagascar\r\n";
    LocalHttpServer server;
    server.answer("/gzip", {"HTTP/1.1 200 OK\r\nContent-Encoding: gzip", kGzippedIsland});
    server.answer("/deflate", {"HTTP/1.1 200 OK\r\nContent-Encoding: deflate", qCompress(island).mid(4)});
    QtHttpClient client;
    EXPECT_EQ(client.get(server.url("/gzip")), QString(island));
    EXPECT_EQ(client.get(server.url("/deflate")), QString(island));
    EXPECT_TRUE(server.requests().first().contains("\r\nAccept-Encoding: gzip, deflate"))
        << server.requests().first().toStdString();
}

TEST(HttpClient, ABrokenCompressionNamesItsReason) {
    const FailingAnswer answers[] = {
        {"not gzip", "/junk", "compressed as \"gzip\", does not decompress: incorrect header check"},
        {"cut short", "/cut", "compressed as \"gzip\", does not decompress: the compressed data ends before its end"},
        {"unasked", "/br", "compressed as \"br\", does not decompress: the encoding \"br\" is not one the client"},
    };
    LocalHttpServer server;
    server.answer("/junk", {"HTTP/1.1 200 OK\r\nContent-Encoding: gzip", "ISLAND   AF-002 5R8"});
    server.answer("/cut", {"HTTP/1.1 200 OK\r\nContent-Encoding: gzip", kGzippedIsland.left(30)});
    server.answer("/br", {"HTTP/1.1 200 OK\r\nContent-Encoding: br", "ISLAND   AF-002 5R8"});
    QtHttpClient client;
    for (const FailingAnswer& answer : answers) {
        const QString message = failureOf(client, server.url(answer.path));
        EXPECT_EQ(message.left(message.indexOf(": ") + 2), "Download of " + server.url(answer.path) + " failed: ")
            << answer.name;
        EXPECT_TRUE(message.contains(answer.messagePart)) << answer.name << ": " << message.toStdString();
    }
}

TEST(HttpClient, RefusesABodyOverThirtyTwoMebibytes) {
    const QByteArray big(kMaxBodyBytes + 1, 'x');
    LocalHttpServer server;
    server.answer("/announced", {"HTTP/1.1 200 OK", big});
    server.answer("/unannounced", {"HTTP/1.1 200 OK", big, false, false, false});
    server.answer("/limit", {"HTTP/1.1 200 OK", big.left(kMaxBodyBytes), false, false, false});
    QtHttpClient client;
    for (const char* path : {"/announced", "/unannounced"})
        EXPECT_EQ(failureOf(client, server.url(path)),
                  "Download of " + server.url(path) + " stopped: the answer is larger than 32 MiB")
            << path;
    EXPECT_EQ(client.get(server.url("/limit")).size(), kMaxBodyBytes) << "exactly 32 MiB is allowed";
}

// An update text sent in two chunks, and the ways a server can stop sending it.
const QByteArray kChunkedHead = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nTransfer-Encoding: chunked\r\n\r\n";
const QByteArray kFirstChunkText = "ISLAND   AF-002 5R8         Madagascar\r\n";
const QByteArray kSecondChunkText = "ISLAND   OC-001 DELETED\r\nWI       NA-015\r\n";

QByteArray chunk(const QByteArray& text) {
    return QByteArray::number(text.size(), 16) + "\r\n" + text + "\r\n";
}

struct CutAnswer {
    const char* name;
    QByteArray bytes;
    qint64 bodyBytes;  // what arrived of the body before the close
};

std::vector<CutAnswer> cutAnswers() {
    const QByteArray first = kChunkedHead + chunk(kFirstChunkText);
    const QByteArray whole = first + chunk(kSecondChunkText);
    return {
        {"inside a chunk", whole.left(whole.size() - 12), kFirstChunkText.size() + kSecondChunkText.size() - 10},
        {"after a whole chunk", first, kFirstChunkText.size()},
        {"after two whole chunks", whole, kFirstChunkText.size() + kSecondChunkText.size()},
        {"inside a chunk size", first + "2", kFirstChunkText.size()},
        {"short of its length", "HTTP/1.1 200 OK\r\nContent-Length: 200\r\n\r\n" + kFirstChunkText + kSecondChunkText,
         kFirstChunkText.size() + kSecondChunkText.size()},
    };
}

// Qt ends some replies whose connection closed before the last chunk without an error; each one
// must fail however the connection's end and its last bytes happen to arrive together.
TEST(HttpClient, AnAnswerCutOffIsRefusedEveryTime) {
    constexpr int kTries = 200;
    LocalHttpServer server;
    QtHttpClient client;
    for (const CutAnswer& cut : cutAnswers()) {
        server.answerRaw("/cut", cut.bytes);
        const QString expected = QStringLiteral(
                                     "Download of %1 failed: the download ended early after %2 bytes; "
                                     "nothing was changed")
                                     .arg(server.url("/cut"))
                                     .arg(cut.bodyBytes);
        int accepted = 0;
        QString wrong;
        for (int i = 0; i < kTries; ++i) {
            const QString message = failureOf(client, server.url("/cut"));
            if (message.isEmpty()) ++accepted;
            if (!message.isEmpty() && message != expected) wrong = message;
        }
        EXPECT_EQ(accepted, 0) << cut.name << ": taken as whole " << accepted << " times of " << kTries;
        EXPECT_EQ(wrong, QString()) << cut.name;
    }
}

// A chunked answer is whole with its last chunk, with or without trailer fields and chunk
// extensions; an answer without a length or chunks ends where the server closes.
TEST(HttpClient, AWholeChunkedAnswerIsTaken) {
    const QByteArray text = kFirstChunkText + kSecondChunkText;
    const QByteArray chunks = chunk(kFirstChunkText) + chunk(kSecondChunkText);
    LocalHttpServer server;
    server.answerRaw("/plain", kChunkedHead + chunks + "0\r\n\r\n");
    server.answerRaw("/trailer", kChunkedHead + chunks + "0\r\nExpires: never\r\n\r\n");
    server.answerRaw("/extension", kChunkedHead + "28;name=value\r\n" + kFirstChunkText + "\r\n" +
                                       chunk(kSecondChunkText) + "0\r\n\r\n");
    server.answerRaw("/close", "HTTP/1.0 200 OK\r\n\r\n" + text);
    QtHttpClient client;
    for (const char* path : {"/plain", "/trailer", "/extension", "/close"})
        EXPECT_EQ(client.get(server.url(path)), QString(text)) << path;
}

// A web server on 127.0.0.1 that speaks TLS with a certificate only the tests trust (made once by
// openssl req -x509 -newkey rsa:2048 -nodes -days 36500 -subj /CN=127.0.0.1
// -addext subjectAltName=IP:127.0.0.1), answering every request with the same bytes.
class LocalTlsServer {
public:
    explicit LocalTlsServer(QByteArray answer) : m_answer(std::move(answer)) {
        QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
        configuration.setLocalCertificate(certificate());
        configuration.setPrivateKey(QSslKey(fixtureBytes("key.pem"), QSsl::Rsa));
        m_server.setSslConfiguration(configuration);
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::pendingConnectionAvailable, [this] { accept(); });
    }

    QString url(const char* path) const {
        return QStringLiteral("https://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(QLatin1String(path));
    }
    static QSslCertificate certificate() { return QSslCertificate(fixtureBytes("cert.pem")); }

private:
    static QByteArray fixtureBytes(const char* name) {
        QFile file(QStringLiteral(SKERRY_FIXTURES "/tls/") + QLatin1String(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void accept() {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                m_request += socket->readAll();
                if (!m_request.contains("\r\n\r\n")) return;
                m_request.clear();
                socket->write(m_answer);
                socket->disconnectFromHost();
            });
        }
    }

    QSslServer m_server;
    QByteArray m_answer;
    QByteArray m_request;
};

// The client trusts the tests' certificate while it lives, as a system would its own.
class TrustedTestCertificate {
public:
    TrustedTestCertificate() : m_before(QSslConfiguration::defaultConfiguration()) {
        QSslConfiguration trusting = m_before;
        trusting.addCaCertificate(LocalTlsServer::certificate());
        QSslConfiguration::setDefaultConfiguration(trusting);
    }
    ~TrustedTestCertificate() { QSslConfiguration::setDefaultConfiguration(m_before); }

private:
    QSslConfiguration m_before;
};

// Over TLS the answer is read as over a plain connection: whole with its last chunk, refused
// without it; a server whose certificate nobody trusts is refused with TLS's reason.
TEST(HttpClient, ReadsAnAnswerOverTlsByItsFraming) {
    if (!QSslSocket::supportsSsl()) GTEST_SKIP() << "this system offers no TLS";
    const QByteArray chunks = kChunkedHead + chunk(kFirstChunkText) + chunk(kSecondChunkText);
    LocalTlsServer whole(chunks + "0\r\n\r\n");
    LocalTlsServer cut(chunks);
    QtHttpClient client;
    EXPECT_TRUE(failureOf(client, whole.url("/update.txt")).contains("self-signed"))
        << failureOf(client, whole.url("/update.txt")).toStdString();
    const TrustedTestCertificate trusted;
    EXPECT_EQ(client.get(whole.url("/update.txt")), QString(kFirstChunkText + kSecondChunkText));
    EXPECT_EQ(failureOf(client, cut.url("/update.txt")),
              "Download of " + cut.url("/update.txt") + " failed: the download ended early after " +
                  QString::number(kFirstChunkText.size() + kSecondChunkText.size()) + " bytes; nothing was changed");
}

// The fetched text, split into lines as the memo holds it, changes the tables exactly as the
// same text read from a file.
TEST(HttpClient, AFetchedTextIsAppliedLikeTheSameFile) {
    LocalHttpServer server;
    server.serve("/update.txt", kUpdateText);
    QtHttpClient client;
    const QStringList fetched = splitLines(client.get(server.url("/update.txt")));
    const QStringList fromFile = splitLines(decodeText(kUpdateText));
    IslandRecords results[2];
    int i = 0;
    for (const QStringList& lines : {fetched, fromFile}) {
        TestDataFolder folder;
        {
            store::Database db(folder.dataFolder());
            store::Table table(db);
            applyListUpdate(db, table, lines, readStartState(table).counts);
        }
        results[i++] = readIslandRecords(folder);
    }
    EXPECT_EQ(results[0], results[1]);
    EXPECT_EQ(results[0]["AF-002"]["Status"], "-");
    EXPECT_EQ(results[0]["NA-015"]["ABW"], "W");
    EXPECT_EQ(results[0]["OC-001"]["Status"], "D") << "the last line, without a line end, is applied";
}

}  // namespace
