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

QString nativeName(const QString& fileName) {
    return QDir::toNativeSeparators(fileName);
}

Failure cannotRead(const QString& fileName, const QString& reason) {
    return Failure(QStringLiteral("Cannot read %1: %2").arg(nativeName(fileName), reason));
}

Failure noUtf16(const QString& fileName) {
    return cannotRead(fileName, QStringLiteral("it begins with a UTF-16 byte order mark but is no valid "
                                               "UTF-16; save it again as UTF-8 or UTF-16"));
}

// Opens a text file for reading after the checks every reader makes: a regular file, not too large.
void openTextFile(QFile& file, const QString& fileName) {
    requireRegularFile(fileName);
    if (!file.open(QIODevice::ReadOnly)) throw cannotRead(fileName, file.errorString());
    if (file.size() > kMaxTextFileBytes)
        throw cannotRead(fileName, QStringLiteral("the file is larger than %1 MiB, more than any text file the "
                                                  "program reads; choose the right file")
                                       .arg(kMaxTextFileBytes / (1024 * 1024)));
}

// Reads a file's text a piece at a time straight into the text's buffer, so that the file's bytes
// are never held whole beside their text. Only UTF-16, as long as its text, is read whole.
class TextFileReader {
public:
    TextFileReader(QFile& file, const QString& fileName) : m_file(file), m_fileName(fileName) {}

    QString text() {
        const QByteArray head = m_file.peek(kUtf8ByteOrderMark.size());
        if (utf16MarkOf(head)) return utf16Text();
        const qint64 bodyStart = head.startsWith(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0;
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
        std::optional<QString> text = decodeUtf16(QByteArrayView(bytes).sliced(2), *utf16MarkOf(bytes));
        if (!text) throw noUtf16(m_fileName);
        return std::move(*text);
    }

    // The length of the text written, or -1 when the bytes are no UTF-8. A piece ends after its
    // last ASCII byte, which never stands inside a UTF-8 sequence; the rest starts the next piece.
    qsizetype decodedBody(qint64 bodyStart, qint64 bodySize, QChar* out, Decoding decoding) {
        if (!m_file.seek(bodyStart)) throw cannotRead(m_fileName, m_file.errorString());
        QStringDecoder utf8 = textDecoder(QStringConverter::Utf8);
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

QStringList splitLines(const QString& text) {
    return TextLines::ofText(text).toStringList();
}

void requireRegularFile(const QString& fileName) {
    const QFileInfo info(fileName);
    if (!info.exists() || info.isFile()) return;
    const QString what = info.isDir() ? QStringLiteral("a folder") : QStringLiteral("a device or pipe");
    throw Failure(QStringLiteral("%1 is %2, not a text file; choose a file").arg(nativeName(fileName), what));
}

QString readTextFile(const QString& fileName) {
    QFile file(fileName);
    openTextFile(file, fileName);
    return TextFileReader(file, fileName).text();
}

QByteArray readTextFileBytes(const QString& fileName) {
    QFile file(fileName);
    openTextFile(file, fileName);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) throw cannotRead(fileName, file.errorString());
    return bytes;
}

TextLines readTextLines(const QString& fileName) {
    std::optional<TextLines> lines = TextLines::ofFileBytes(readTextFileBytes(fileName));
    if (!lines) throw noUtf16(fileName);
    if (const qsizetype line = lines->firstLineLongerThan(kMaxTextLineLength))
        throw cannotRead(fileName, QStringLiteral("line %1 is longer than %2 characters, more than any line of the "
                                                  "program's files; choose the right file")
                                       .arg(line)
                                       .arg(kMaxTextLineLength));
    return std::move(*lines);
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
