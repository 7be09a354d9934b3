#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringConverter>
#include <QStringDecoder>
#include <optional>

// How the program's text files are encoded: UTF-16 after its byte order mark; otherwise UTF-8
// (a leading byte order mark dropped) when the bytes are valid UTF-8, else Windows-1252, so that
// any file gives text.

// Decodes the bytes of a text file by those rules. Fails when the bytes after a UTF-16 byte
// order mark are no UTF-16.
QString decodeText(const QByteArray& bytes);

// Encodes a text for a file: Windows-1252 when every character has a byte there and the bytes
// read back as the same text, otherwise UTF-8 (with a byte order mark where the text itself
// begins with one), so that decodeText gives the text back.
QByteArray encodeText(const QString& text);

inline constexpr QByteArrayView kUtf8ByteOrderMark("\xEF\xBB\xBF");

// The UTF-16 byte order of bytes that begin with a UTF-16 byte order mark (two bytes).
std::optional<QStringConverter::Encoding> utf16MarkOf(QByteArrayView bytes);
// The text of the bytes after a UTF-16 byte order mark; nothing when they are no UTF-16.
std::optional<QString> decodeUtf16(QByteArrayView body, QStringConverter::Encoding byteOrder);

// A decoder for the text after a file's leading byte order mark: a byte order mark inside a text
// is a character like any other.
QStringDecoder textDecoder(QStringConverter::Encoding encoding);
// A piece of UTF-8 as it stands: a byte order mark inside a text is a character like any other.
QString decodeUtf8Piece(QByteArrayView bytes);
QString decodeWindows1252(QByteArrayView bytes);
// Writes the characters of Windows-1252 bytes from out on; returns the end of what it wrote.
QChar* windows1252Into(QByteArrayView bytes, QChar* out);
