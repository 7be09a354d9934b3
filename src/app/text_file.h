#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Decodes the bytes of a text file: UTF-8 when they are valid UTF-8 (a byte order mark is
// dropped), otherwise Windows-1252, so any file at all gives text.
QString decodeText(const QByteArray& bytes);

// Splits a text into lines at CR LF, LF or a lone CR; a line end at the very end starts no new line.
QStringList splitLines(const QString& text);

// Reads a whole text file into lines; fails naming the file when it cannot be read.
QStringList readTextLines(const QString& fileName);

// Encodes a text for a file: Windows-1252 when every character has a byte there, otherwise UTF-8.
QByteArray encodeText(const QString& text);

// Writes lines each ended with CR LF, encoded by encodeText. The file is complete or untouched:
// the text goes to a temporary file beside it, which replaces it only once the last byte is
// written. Fails naming the file and the reason.
void writeTextFile(const QString& fileName, const QStringList& lines);
