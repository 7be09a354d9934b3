#include "base/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
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

QString decodeWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] = (byte >= 0x80 && byte < 0xA0) ? QChar(kWindows1252High[byte - 0x80]) : QChar(byte);
    }
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

}  // namespace

QString decodeText(const QByteArray& bytes) {
    if (std::optional<QString> text = decodedText(bytes)) return *text;
    throw Failure(QStringLiteral("The text begins with a UTF-16 byte order mark but is no valid UTF-16"));
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype length = text.size();
    for (qsizetype i = 0; i < length; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') continue;
        lines << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < length && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < length) lines << text.mid(start);
    return lines;
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
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) throw cannotRead(fileName, file.errorString());
    std::optional<QString> text = decodedText(bytes);
    if (!text)
        throw cannotRead(fileName, QStringLiteral("it begins with a UTF-16 byte order mark but is no valid UTF-16; "
                                                  "save it again as UTF-8 or UTF-16"));
    return std::move(*text);
}

QStringList readTextLines(const QString& fileName) {
    const QStringList lines = splitLines(readTextFile(fileName));
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
