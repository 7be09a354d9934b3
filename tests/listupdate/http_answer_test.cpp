#include "listupdate/http_answer.h"

#include <gtest/gtest.h>

namespace {

using State = HttpAnswerReader::State;

constexpr qint64 kLimit = 64;

struct AnswerCase {
    const char* name;
    QByteArray bytes;
    bool closed;  // the server closed the connection after the bytes
    State state;
    QByteArray body;
};

// The state a reader reaches from the bytes fed whole and fed one at a time, and its body.
std::pair<HttpAnswerReader, HttpAnswerReader> readBoth(const AnswerCase& answer) {
    HttpAnswerReader whole(kLimit);
    HttpAnswerReader piecewise(kLimit);
    whole.feed(answer.bytes);
    for (const char byte : answer.bytes) piecewise.feed(QByteArrayView(&byte, 1));
    if (answer.closed) {
        whole.close();
        piecewise.close();
    }
    return {whole, piecewise};
}

const QByteArray kChunked = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";

TEST(HttpAnswerReader, TellsAWholeAnswerFromOneCutOff) {
    const AnswerCase cases[] = {
        {"length", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello", false, State::Complete, "hello"},
        {"length, bytes after it ignored", "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nhello", false, State::Complete,
         "he"},
        {"length, cut", "HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\nhello", true, State::Reading, "hello"},
        {"length repeated alike", "HTTP/1.1 200 OK\r\nContent-Length: 5, 5\r\n\r\nhello", false, State::Complete,
         "hello"},
        {"chunks", kChunked + "5\r\nhello\r\n1\r\n!\r\n0\r\n\r\n", false, State::Complete, "hello!"},
        {"chunks, LF line ends", "HTTP/1.1 200 OK\nTransfer-Encoding: chunked\n\n5\nhello\n0\n\n", false,
         State::Complete, "hello"},
        {"chunks with extension and trailer", kChunked + "05;a=b\r\nhello\r\n0\r\nX-Sum: 1\r\n\r\n", false,
         State::Complete, "hello"},
        {"last chunk, close before the blank line", kChunked + "5\r\nhello\r\n0\r\n", true, State::Complete, "hello"},
        {"cut inside a chunk", kChunked + "5\r\nhello\r\n5\r\nwor", true, State::Reading, "hellowor"},
        {"cut after a whole chunk", kChunked + "5\r\nhello\r\n", true, State::Reading, "hello"},
        {"cut inside a chunk size", kChunked + "5\r\nhello\r\n1", true, State::Reading, "hello"},
        {"until the close", "HTTP/1.0 200 OK\r\n\r\nhello", true, State::Complete, "hello"},
        {"until the close, still open", "HTTP/1.0 200 OK\r\n\r\nhello", false, State::Reading, "hello"},
        {"no content", "HTTP/1.1 204 No Content\r\n\r\n", false, State::Complete, ""},
        {"informational answer first", "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok",
         false, State::Complete, "ok"},
        {"cut inside the head", "HTTP/1.1 200 OK\r\nContent-Le", true, State::Reading, ""},
    };
    for (const AnswerCase& answer : cases) {
        const auto [whole, piecewise] = readBoth(answer);
        for (const HttpAnswerReader* reader : {&whole, &piecewise}) {
            const char* how = reader == &whole ? "whole" : "byte by byte";
            EXPECT_EQ(reader->state(), answer.state) << answer.name << ", " << how;
            EXPECT_EQ(reader->body(), answer.body) << answer.name << ", " << how;
        }
    }
}

TEST(HttpAnswerReader, KeepsTheStatusAndTheHeaderFields) {
    HttpAnswerReader reader(kLimit);
    reader.feed("HTTP/1.1 302 Found\r\nlocation: /moved\r\nX-Long: one\r\n two\r\n\r\n");
    EXPECT_TRUE(reader.headRead());
    EXPECT_EQ(reader.status(), 302);
    EXPECT_EQ(reader.reason(), "Found");
    EXPECT_EQ(reader.header("Location"), "/moved") << "names in any letter case";
    EXPECT_EQ(reader.header("X-Long"), "one two") << "a continued line belongs to its field";
    EXPECT_TRUE(reader.header("Content-Length").isNull());
}

TEST(HttpAnswerReader, RefusesWhatIsNoHttpAnswer) {
    const std::pair<QByteArray, const char*> cases[] = {
        {"<html>hello</html>\r\n", "does not begin with an HTTP status line but with \"<html>hello</html>\""},
        {"HTTP/1.1 2000 OK\r\n", "does not begin with an HTTP status line"},
        {"HTTP/1.1 200 OK\r\nno field here\r\n", "its header line \"no field here\" is no field"},
        {"HTTP/1.1 200 OK\r\nContent-Length: -1\r\n\r\n", "its Content-Length \"-1\" is no length"},
        {"HTTP/1.1 200 OK\r\nContent-Length: 5, 6\r\n\r\n", "its Content-Length \"5, 6\" is no length"},
        {"HTTP/1.1 200 OK\r\nTransfer-Encoding: gzip, chunked\r\n\r\n", "the transfer coding \"gzip, chunked\""},
        {kChunked + "zz\r\n", "its chunk size \"zz\" is no hex number"},
        {kChunked + "2\r\nhello\r\n", "a chunk runs on past its size"},
        {"HTTP/1.1 200 OK\r\n" + QByteArray(70 * 1024, 'x'), "a line of its head is longer than 64 KiB"},
    };
    for (const auto& [bytes, reason] : cases) {
        HttpAnswerReader reader(kLimit);
        EXPECT_EQ(reader.feed(bytes), State::Malformed) << reason;
        EXPECT_TRUE(reader.malformation().contains(QLatin1String(reason))) << reader.malformation().toStdString();
    }
}

TEST(HttpAnswerReader, StopsABodyOverTheLimitHoweverItIsFramed) {
    const QByteArray big(kLimit + 1, 'x');
    const QByteArray cases[] = {
        "HTTP/1.1 200 OK\r\nContent-Length: 65\r\n\r\n",
        "HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999\r\n\r\n",
        "HTTP/1.0 200 OK\r\n\r\n" + big,
        kChunked + "41\r\n",
        kChunked + "20\r\n" + big.left(32) + "\r\n21\r\n",
        kChunked + "ffffffffffffffffffff\r\n",
    };
    for (const QByteArray& bytes : cases) {
        HttpAnswerReader reader(kLimit);
        EXPECT_EQ(reader.feed(bytes), State::TooLarge) << bytes.left(60).toStdString();
    }
    HttpAnswerReader atTheLimit(kLimit);
    atTheLimit.feed("HTTP/1.0 200 OK\r\n\r\n" + big.left(kLimit));
    EXPECT_EQ(atTheLimit.close(), State::Complete);
}

}  // namespace
