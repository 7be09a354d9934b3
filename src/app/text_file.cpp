#include "app/text_file.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include "app/failure.h"

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; the five unassigned bytes keep their Latin-1 value.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] = (byte >= 0x80 && byte < 0xA0) ? QChar(kWindows1252High[byte - 0x80]) : QChar(byte);
    }
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

}  // namespace

QString decodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) return decodeWindows1252(bytes);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    return text;
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

QStringList readTextLines(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(QStringLiteral("Cannot read %1: %2").arg(QDir::toNativeSeparators(fileName), file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Failure(QStringLiteral("Cannot read %1: %2").arg(QDir::toNativeSeparators(fileName), file.errorString()));
    return splitLines(decodeText(bytes));
}

QByteArray encodeText(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = windows1252Byte(text[i]);
        if (byte < 0) return text.toUtf8();
        bytes[i] = char(byte);
    }
    return bytes;
}

void writeTextFile(const QString& fileName, const QStringList& lines) {
    QString text;
    for (const QString& line : lines) text += line + QLatin1String("\r\n");
    const QByteArray bytes = encodeText(text);
    const QString name = QDir::toNativeSeparators(fileName);
    // No direct-write fallback: where no temporary file can be made beside it, the file stays as it was.
    QSaveFile file(fileName);
    // Unbuffered, so that a write cut short by a full disk shows in the count it returns.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw Failure(QStringLiteral("Cannot create %1: %2").arg(name, file.errorString()));
    const qint64 written = file.write(bytes);
    if (written < 0) throw Failure(QStringLiteral("Cannot write %1: %2").arg(name, file.errorString()));
    if (written < bytes.size())
        throw Failure(QStringLiteral("Cannot write %1: only %2 of %3 bytes could be written; the disk may be full")
                          .arg(name)
                          .arg(written)
                          .arg(bytes.size()));
    if (!file.commit()) throw Failure(QStringLiteral("Cannot write %1: %2").arg(name, file.errorString()));
}
