#include "base/text_encoding.h"

#include "base/failure.h"

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; the five unassigned bytes keep their Latin-1 value.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

struct Utf16Mark {
    QByteArrayView mark;
    QStringConverter::Encoding encoding;
};

// The byte order marks of UTF-16, as a text editor's "Unicode" saves a file.
constexpr Utf16Mark kUtf16Marks[] = {
    {QByteArrayView("\xFF\xFE"), QStringConverter::Utf16LE},
    {QByteArrayView("\xFE\xFF"), QStringConverter::Utf16BE},
};

// The text of the bytes, or nothing when a UTF-16 byte order mark is followed by no UTF-16.
std::optional<QString> decodedText(QByteArrayView bytes) {
    if (const auto byteOrder = utf16MarkOf(bytes)) return decodeUtf16(bytes.sliced(2), *byteOrder);
    const QByteArrayView body = bytes.startsWith(kUtf8ByteOrderMark) ? bytes.sliced(kUtf8ByteOrderMark.size()) : bytes;
    return body.isValidUtf8() ? decodeUtf8Piece(body) : decodeWindows1252(body);
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

}  // namespace

std::optional<QStringConverter::Encoding> utf16MarkOf(QByteArrayView bytes) {
    for (const Utf16Mark& utf16 : kUtf16Marks)
        if (bytes.startsWith(utf16.mark)) return utf16.encoding;
    return std::nullopt;
}

QStringDecoder textDecoder(QStringConverter::Encoding encoding) {
    return QStringDecoder(encoding, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
}

std::optional<QString> decodeUtf16(QByteArrayView body, QStringConverter::Encoding byteOrder) {
    QStringDecoder decoder = textDecoder(byteOrder);
    QString text = decoder.decode(body);
    // The decoder lets a lone surrogate through; it could not be written back as it was read.
    if (decoder.hasError() || body.size() % 2 != 0 || !text.isValidUtf16()) return std::nullopt;
    return text;
}

QString decodeUtf8Piece(QByteArrayView bytes) {
    return textDecoder(QStringConverter::Utf8).decode(bytes);
}

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

QString decodeText(const QByteArray& bytes) {
    if (std::optional<QString> text = decodedText(bytes)) return *text;
    throw Failure(QStringLiteral("The text begins with a UTF-16 byte order mark but is no valid UTF-16"));
}

QByteArray encodeText(const QString& text) {
    // Windows-1252 bytes that happen to be valid UTF-8 ("Ã©") would read back as other characters.
    if (const std::optional<QByteArray> bytes = windows1252Bytes(text); bytes && decodedText(*bytes) == text)
        return *bytes;
    const QByteArray utf8 = text.toUtf8();
    return text.startsWith(QChar(0xFEFF)) ? kUtf8ByteOrderMark.toByteArray() + utf8 : utf8;
}
