#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QPair>
#include <QString>

// The answer of a web server to one GET, read from the bytes of the connection as they arrive:
// the status line, the header fields, then the body as the answer frames it (a Content-Length, a
// chunked transfer coding ended by its last chunk, or everything until the server closes).
// Knowing the framing is what tells a whole answer from one cut off by a dropped connection.
// Informational answers (1xx) before the real one are passed over.
class HttpAnswerReader {
public:
    enum class State { Reading, Complete, TooLarge, Malformed };

    // A body (as sent, before any decompression) over `bodyLimit` bytes ends the reading.
    explicit HttpAnswerReader(qint64 bodyLimit);

    // Takes the next bytes of the connection; the state afterwards. Bytes after a complete answer
    // are ignored.
    State feed(QByteArrayView bytes);
    // The server closed the connection: an answer framed by the close is complete now; one whose
    // length or last chunk has not arrived stays Reading, which means cut off.
    State close();

    State state() const { return m_state; }
    // Whether the status line and the header fields have arrived.
    bool headRead() const { return m_phase > Phase::Headers; }
    int status() const { return m_status; }
    const QByteArray& reason() const { return m_reason; }
    // A header field's value, the first one of that name; empty when it is absent.
    QByteArray header(const QByteArray& name) const;
    const QByteArray& body() const { return m_body; }
    // What is wrong with a malformed answer.
    const QString& malformation() const { return m_malformation; }

private:
    enum class Phase { StatusLine, Headers, Length, ChunkSize, ChunkData, ChunkEnd, Trailers, UntilClose, Done };

    bool step();
    bool countHeadBytes(QByteArrayView line);
    bool readStatusLine(QByteArrayView line);
    bool readHeaderLine(QByteArrayView line);
    void beginBody();
    bool readChunkSize(QByteArrayView line);
    bool takeBody(qint64 count);
    bool takeLine(QByteArrayView& line);
    void fail(const QString& malformation);
    void finish() {
        m_phase = Phase::Done;
        m_state = State::Complete;
    }

    qint64 m_bodyLimit;
    State m_state = State::Reading;
    Phase m_phase = Phase::StatusLine;
    QByteArray m_pending;  // bytes received and not yet read
    qsizetype m_read = 0;  // of m_pending
    int m_status = 0;
    QByteArray m_reason;
    QList<QPair<QByteArray, QByteArray>> m_headers;
    qint64 m_headBytes = 0;
    qint64 m_remaining = 0;  // of the body or of the current chunk
    QByteArray m_body;
    QString m_malformation;
};
