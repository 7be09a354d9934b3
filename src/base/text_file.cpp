#include "base/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <optional>
#include <utility>

#include "base/failure.h"

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; the five unassigned bytes keep their Latin-1 value.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");

struct Utf16Mark {
    QByteArrayView mark;
    QStringConverter::Encoding encoding;
};

// The byte order marks of UTF-16, as a text editor's "Unicode" saves a file.
constexpr Utf16Mark kUtf16Marks[] = {
    {QByteArrayView("\xFF\xFE"), QStringConverter::Utf16LE},
    {QByteArrayView("\xFE\xFF"), QStringConverter::Utf16BE},
};

// A byte order mark inside the text is a character like any other: only the leading one is dropped.
constexpr auto kDecoderFlags = QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

QChar* windows1252Into(QByteArrayView bytes, QChar* out) {
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = (byte >= 0x80 && byte < 0xA0) ? QChar(kWindows1252High[byte - 0x80]) : QChar(byte);
    }
    return out;
}

QString decodeWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    windows1252Into(bytes, text.data());
    return text;
}

// The text of the bytes, or nothing when a UTF-16 byte order mark is followed by no UTF-16.
std::optional<QString> decodedText(QByteArrayView bytes) {
    for (const Utf16Mark& utf16 : kUtf16Marks) {
        if (!bytes.startsWith(utf16.mark)) continue;
        const QByteArrayView body = bytes.sliced(utf16.mark.size());
        QStringDecoder decoder(utf16.encoding, kDecoderFlags);
        QString text = decoder.decode(body);
        // The decoder lets a lone surrogate through; it could not be written back as it was read.
        if (decoder.hasError() || body.size() % 2 != 0 || !text.isValidUtf16()) return std::nullopt;
        return text;
    }
    const QByteArrayView body = bytes.startsWith(kUtf8Bom) ? bytes.sliced(kUtf8Bom.size()) : bytes;
    QStringDecoder utf8(QStringConverter::Utf8, kDecoderFlags);
    QString text = utf8.decode(body);
    if (utf8.hasError()) return decodeWindows1252(body);
    return text;
}

// The Windows-1252 byte of a character, or -1 when the character has none.
int windows1252Byte(QChar c) {
    const char16_t code = c.unicode();
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return code;
    for (int i = 0; i < 32; ++i)
        if (kWindows1252High[i] == code) return 0x80 + i;
    return -1;
}

std::optional<QByteArray> windows1252Bytes(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = windows1252Byte(text[i]);
        if (byte < 0) return std::nullopt;
        bytes[i] = char(byte);
    }
    return bytes;
}

QString nativeName(const QString& fileName) {
    return QDir::toNativeSeparators(fileName);
}

Failure cannotRead(const QString& fileName, const QString& reason) {
    return Failure(QStringLiteral("Cannot read %1: %2").arg(nativeName(fileName), reason));
}

// The first line longer than the longest line read, counted from 1; 0 when there is none.
qsizetype firstOverLongLine(const QStringList& lines) {
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].size() > kMaxTextLineLength) return i + 1;
    return 0;
}

bool isLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

qsizetype lineCount(QStringView text) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isLineEnd(text[i])) continue;
        ++count;
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    }
    return count + (!text.isEmpty() && !isLineEnd(text.back()) ? 1 : 0);
}

// The lines hold no copies: each is a piece of the text's one buffer that keeps the buffer alive,
// its line end overwritten with the NUL that ends every string. Changing a line copies it first.
QStringList linesSharing(QString text) {
    if (text.isEmpty()) return {};
    QStringList lines;
    lines.reserve(lineCount(text));
    QChar* const chars = text.data();
    QStringPrivate& buffer = text.data_ptr();
    const auto addLine = [&](qsizetype start, qsizetype end) {
        buffer.d_ptr()->ref();
        lines.append(QString(QStringPrivate(buffer.d_ptr(), reinterpret_cast<char16_t*>(chars + start), end - start)));
    };
    qsizetype start = 0;
    const qsizetype length = text.size();
    for (qsizetype i = 0; i < length; ++i) {
        if (!isLineEnd(chars[i])) continue;
        const bool crLf = chars[i] == u'\r' && i + 1 < length && chars[i + 1] == u'\n';
        chars[i] = QChar(0);
        addLine(start, i);
        if (crLf) ++i;
        start = i + 1;
    }
    if (start < length) addLine(start, length);
    return lines;
}

// Reads a file's text a piece at a time straight into the text's buffer, so that the file's bytes
// are never held whole beside their text. Only UTF-16, as long as its text, is read whole.
class TextFileReader {
public:
    TextFileReader(QFile& file, const QString& fileName) : m_file(file), m_fileName(fileName) {}

    QString text() {
        const QByteArray head = m_file.peek(kUtf8Bom.size());
        for (const Utf16Mark& utf16 : kUtf16Marks)
            if (head.startsWith(utf16.mark)) return utf16Text();
        const qint64 bodyStart = head.startsWith(kUtf8Bom) ? kUtf8Bom.size() : 0;
        const qint64 bodySize = m_file.size() - bodyStart;
        // One byte yields at most one UTF-16 unit, also in Windows-1252; the decoder asks one spare.
        QString text(bodySize + 1, Qt::Uninitialized);
        qsizetype length = decodedBody(bodyStart, bodySize, text.data(), Decoding::Utf8);
        if (length < 0) length = decodedBody(bodyStart, bodySize, text.data(), Decoding::Windows1252);
        text.truncate(length);
        return text;
    }

private:
    enum class Decoding { Utf8, Windows1252 };
    static constexpr qint64 kPieceBytes = 1024 * 1024;

    QString utf16Text() {
        const QByteArray bytes = m_file.readAll();
        if (m_file.error() != QFileDevice::NoError) throw cannotRead(m_fileName, m_file.errorString());
        std::optional<QString> text = decodedText(bytes);
        if (!text)
            throw cannotRead(m_fileName, QStringLiteral("it begins with a UTF-16 byte order mark but is no valid "
                                                        "UTF-16; save it again as UTF-8 or UTF-16"));
        return std::move(*text);
    }

    // The length of the text written, or -1 when the bytes are no UTF-8. A piece ends after its
    // last ASCII byte, which never stands inside a UTF-8 sequence; the rest starts the next piece.
    qsizetype decodedBody(qint64 bodyStart, qint64 bodySize, QChar* out, Decoding decoding) {
        if (!m_file.seek(bodyStart)) throw cannotRead(m_fileName, m_file.errorString());
        QStringDecoder utf8(QStringConverter::Utf8, kDecoderFlags);
        QChar* const begin = out;
        QByteArray piece;
        qint64 left = bodySize;
        while (left > 0 || !piece.isEmpty()) {
            const qsizetype kept = piece.size();
            const qint64 wanted = std::min(left, kPieceBytes);
            piece.resize(kept + wanted);
            const qint64 got = wanted > 0 ? m_file.read(piece.data() + kept, wanted) : 0;
            if (got < 0) throw cannotRead(m_fileName, m_file.errorString());
            piece.resize(kept + got);
            left = got < wanted ? 0 : left - got;
            if (decoding == Decoding::Windows1252) {
                out = windows1252Into(piece, out);
                piece.clear();
                continue;
            }
            const qsizetype end = left > 0 ? lastAsciiEnd(piece) : piece.size();
            out = utf8.appendToBuffer(out, QByteArrayView(piece).first(end));
            if (utf8.hasError()) return -1;
            piece.remove(0, end);
        }
        return out - begin;
    }

    static qsizetype lastAsciiEnd(QByteArrayView bytes) {
        for (qsizetype i = bytes.size(); i > 0; --i)
            if (static_cast<unsigned char>(bytes[i - 1]) < 0x80) return i;
        return 0;
    }

    QFile& m_file;
    const QString& m_fileName;
};

}  // namespace

QString decodeText(const QByteArray& bytes) {
    if (std::optional<QString> text = decodedText(bytes)) return *text;
    throw Failure(QStringLiteral("The text begins with a UTF-16 byte order mark but is no valid UTF-16"));
}

QStringList splitLines(const QString& text) {
    return linesSharing(text);
}

void requireRegularFile(const QString& fileName) {
    const QFileInfo info(fileName);
    if (!info.exists() || info.isFile()) return;
    const QString what = info.isDir() ? QStringLiteral("a folder") : QStringLiteral("a device or pipe");
    throw Failure(QStringLiteral("%1 is %2, not a text file; choose a file").arg(nativeName(fileName), what));
}

QString readTextFile(const QString& fileName) {
    requireRegularFile(fileName);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) throw cannotRead(fileName, file.errorString());
    if (file.size() > kMaxTextFileBytes)
        throw cannotRead(fileName, QStringLiteral("the file is larger than %1 MiB, more than any text file the "
                                                  "program reads; choose the right file")
                                       .arg(kMaxTextFileBytes / (1024 * 1024)));
    return TextFileReader(file, fileName).text();
}

QStringList readTextLines(const QString& fileName) {
    const QStringList lines = linesSharing(readTextFile(fileName));
    if (const qsizetype line = firstOverLongLine(lines))
        throw cannotRead(fileName, QStringLiteral("line %1 is longer than %2 characters, more than any line of the "
                                                  "program's files; choose the right file")
                                       .arg(line)
                                       .arg(kMaxTextLineLength));
    return lines;
}

QByteArray encodeText(const QString& text) {
    // Windows-1252 bytes that happen to be valid UTF-8 ("Ã©") would read back as other characters.
    if (const std::optional<QByteArray> bytes = windows1252Bytes(text); bytes && decodedText(*bytes) == text)
        return *bytes;
    const QByteArray utf8 = text.toUtf8();
    return text.startsWith(QChar(0xFEFF)) ? kUtf8Bom.toByteArray() + utf8 : utf8;
}

void writeTextFile(const QString& fileName, const QStringList& lines) {
    requireRegularFile(fileName);
    // No direct-write fallback: where no temporary file can be made beside it, the file stays as it was.
    QSaveFile file(fileName);
    // Unbuffered, so that a write cut short by a full disk shows in the count it returns.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw Failure(QStringLiteral("Cannot create %1: %2").arg(nativeName(fileName), file.errorString()));
    writeTextLines(file, fileName, lines);
    if (!file.commit())
        throw Failure(QStringLiteral("Cannot write %1: %2").arg(nativeName(fileName), file.errorString()));
}

void writeTextLines(QIODevice& output, const QString& fileName, const QStringList& lines) {
    QString text;
    for (const QString& line : lines) text += line + QLatin1String("\r\n");
    const QByteArray bytes = encodeText(text);
    const QString name = nativeName(fileName);
    const qint64 written = output.write(bytes);
    if (written < 0) throw Failure(QStringLiteral("Cannot write %1: %2").arg(name, output.errorString()));
    if (written < bytes.size())
        throw Failure(QStringLiteral("Cannot write %1: only %2 of %3 bytes could be written; the disk may be full")
                          .arg(name)
                          .arg(written)
                          .arg(bytes.size()));
}
