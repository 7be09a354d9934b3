#include "listupdate/http_answer.h"

#include <algorithm>

namespace {

// A head that grows without end is no answer; a real one has a few hundred bytes.
constexpr qsizetype kMaxLineBytes = 64 * 1024;
constexpr qint64 kMaxHeadBytes = 1024 * 1024;
// Fifteen hex digits stay below the largest qint64.
constexpr qsizetype kMaxChunkSizeDigits = 15;

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool isDigits(QByteArrayView text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

QString quotedText(QByteArrayView text) {
    return u'"' + QString::fromLatin1(text.first(std::min<qsizetype>(text.size(), 80))) + u'"';
}

}  // namespace

HttpAnswerReader::HttpAnswerReader(qint64 bodyLimit) : m_bodyLimit(bodyLimit) {}

HttpAnswerReader::State HttpAnswerReader::feed(QByteArrayView bytes) {
    if (m_state != State::Reading) return m_state;
    m_pending.append(bytes);
    while (step()) {
    }
    m_pending.remove(0, m_read);
    m_read = 0;
    return m_state;
}

HttpAnswerReader::State HttpAnswerReader::close() {
    // Past the last chunk only trailer fields may follow: the body itself is whole.
    if (m_state == State::Reading && (m_phase == Phase::UntilClose || m_phase == Phase::Trailers)) finish();
    return m_state;
}

QByteArray HttpAnswerReader::header(const QByteArray& name) const {
    for (const auto& [field, value] : m_headers)
        if (field.compare(name, Qt::CaseInsensitive) == 0) return value;
    return QByteArray();
}

void HttpAnswerReader::fail(const QString& malformation) {
    m_malformation = malformation;
    m_state = State::Malformed;
}

// One line of the head, without its line end (CR LF, or LF alone as lenient readers take it).
bool HttpAnswerReader::takeLine(QByteArrayView& line) {
    const qsizetype end = m_pending.indexOf('\n', m_read);
    if (end < 0) {
        if (m_pending.size() - m_read > kMaxLineBytes)
            fail(QStringLiteral("a line of its head is longer than %1 KiB").arg(kMaxLineBytes / 1024));
        return false;
    }
    line = QByteArrayView(m_pending).sliced(m_read, end - m_read);
    if (line.endsWith('\r')) line.chop(1);
    m_read = end + 1;
    return true;
}

// Moves up to `count` received bytes into the body; false when none were there.
bool HttpAnswerReader::takeBody(qint64 count) {
    const qint64 available = std::min<qint64>(count, m_pending.size() - m_read);
    if (available <= 0) return false;
    if (m_body.size() + available > m_bodyLimit) {
        m_state = State::TooLarge;
        return false;
    }
    m_body.append(QByteArrayView(m_pending).sliced(m_read, available));
    m_read += available;
    m_remaining -= available;
    return true;
}

bool HttpAnswerReader::step() {
    if (m_state != State::Reading) return false;
    QByteArrayView line;
    switch (m_phase) {
        case Phase::StatusLine:
            return takeLine(line) && readStatusLine(line);
        case Phase::Headers:
            if (!takeLine(line)) return false;
            if (!line.isEmpty()) return readHeaderLine(line);
            beginBody();
            return true;
        case Phase::Length:
            if (!takeBody(m_remaining)) return false;
            if (m_remaining == 0) finish();
            return true;
        case Phase::ChunkSize:
            return takeLine(line) && readChunkSize(line);
        case Phase::ChunkData:
            if (!takeBody(m_remaining)) return false;
            if (m_remaining == 0) m_phase = Phase::ChunkEnd;
            return true;
        case Phase::ChunkEnd:
            if (!takeLine(line)) return false;
            if (!line.isEmpty()) fail(QStringLiteral("a chunk runs on past its size"));
            m_phase = Phase::ChunkSize;
            return true;
        case Phase::Trailers:
            if (!takeLine(line) || !countHeadBytes(line)) return false;
            if (line.isEmpty()) finish();
            return true;
        case Phase::UntilClose:
            m_remaining = m_bodyLimit;
            return takeBody(m_pending.size() - m_read);
        case Phase::Done:
            break;
    }
    return false;
}

bool HttpAnswerReader::countHeadBytes(QByteArrayView line) {
    m_headBytes += line.size();
    if (m_headBytes <= kMaxHeadBytes) return true;
    fail(QStringLiteral("its head is longer than %1 KiB").arg(kMaxHeadBytes / 1024));
    return false;
}

bool HttpAnswerReader::readStatusLine(QByteArrayView line) {
    if (!countHeadBytes(line)) return false;
    // "HTTP/1.1 200 OK": the version, three digits, and a reason that may be empty.
    const QByteArrayView code = line.size() >= 12 ? line.sliced(9, 3) : QByteArrayView();
    const bool wellFormed = line.startsWith("HTTP/1.") && line.size() >= 12 && line[8] == ' ' && isDigits(code) &&
                            (line.size() == 12 || line[12] == ' ');
    if (!wellFormed) {
        fail(QStringLiteral("it does not begin with an HTTP status line but with %1").arg(quotedText(line)));
        return false;
    }
    m_status = code.toInt();
    m_reason = line.size() > 13 ? line.sliced(13).trimmed().toByteArray() : QByteArray();
    m_headers.clear();
    m_phase = Phase::Headers;
    return true;
}

bool HttpAnswerReader::readHeaderLine(QByteArrayView line) {
    if (!countHeadBytes(line)) return false;
    // A line that begins with a blank continues the field before it.
    if ((line.startsWith(' ') || line.startsWith('\t')) && !m_headers.isEmpty()) {
        m_headers.last().second += ' ' + line.trimmed().toByteArray();
        return true;
    }
    const qsizetype colon = line.indexOf(':');
    if (colon <= 0 || line.first(colon).contains(' ')) {
        fail(QStringLiteral("its header line %1 is no field").arg(quotedText(line)));
        return false;
    }
    m_headers.append({line.first(colon).toByteArray(), line.sliced(colon + 1).trimmed().toByteArray()});
    return true;
}

// The framing the head announces for the body.
void HttpAnswerReader::beginBody() {
    if (m_status >= 100 && m_status < 200) {
        // Only a further answer follows an informational one.
        m_phase = Phase::StatusLine;
        return;
    }
    if (m_status == 204 || m_status == 304) return finish();
    const QByteArray transferEncoding = header("Transfer-Encoding").trimmed();
    if (!transferEncoding.isEmpty()) {
        if (transferEncoding.compare("chunked", Qt::CaseInsensitive) != 0)
            return fail(QStringLiteral("its body comes in the transfer coding %1, which the client does not know")
                            .arg(quotedText(transferEncoding)));
        m_phase = Phase::ChunkSize;
        return;
    }
    const QByteArray contentLength = header("Content-Length");
    if (contentLength.isNull()) {
        m_phase = Phase::UntilClose;
        return;
    }
    // Repeated fields ("12, 12") must agree.
    const QList<QByteArray> lengths = contentLength.split(',');
    const QByteArray length = lengths.first().trimmed();
    const bool agree =
        std::all_of(lengths.begin(), lengths.end(), [&](const QByteArray& l) { return l.trimmed() == length; });
    if (!agree || !isDigits(length))
        return fail(QStringLiteral("its Content-Length %1 is no length").arg(quotedText(contentLength)));
    if (length.size() > kMaxChunkSizeDigits || length.toLongLong() > m_bodyLimit) {
        m_state = State::TooLarge;
        return;
    }
    m_remaining = length.toLongLong();
    m_phase = Phase::Length;
    if (m_remaining == 0) finish();
}

bool HttpAnswerReader::readChunkSize(QByteArrayView line) {
    // The size in hex digits, perhaps followed by extensions after ";", which say nothing to us.
    const qsizetype extensions = line.indexOf(';');
    QByteArrayView digits = (extensions < 0 ? line : line.first(extensions)).trimmed();
    while (digits.size() > 1 && digits.startsWith('0')) digits = digits.sliced(1);
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), isHexDigit)) {
        fail(QStringLiteral("its chunk size %1 is no hex number").arg(quotedText(line)));
        return false;
    }
    const qint64 size = digits.size() > kMaxChunkSizeDigits ? m_bodyLimit + 1 : digits.toLongLong(nullptr, 16);
    if (m_body.size() + size > m_bodyLimit) {
        m_state = State::TooLarge;
        return false;
    }
    m_remaining = size;
    m_phase = size == 0 ? Phase::Trailers : Phase::ChunkData;
    return true;
}
