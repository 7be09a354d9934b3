#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

// The largest text file read, and the longest line: far beyond any member file, update text,
// log or URL history, small enough that a file picked by mistake cannot fill the memory.
inline constexpr qint64 kMaxTextFileBytes = 64 * 1024 * 1024;
inline constexpr qsizetype kMaxTextLineLength = 64 * 1024;

// Decodes the bytes of a text file. A UTF-16 byte order mark decodes the rest as UTF-16 of that
// byte order; otherwise a UTF-8 byte order mark is dropped and the rest is UTF-8 when it is
// valid UTF-8, else Windows-1252, so any other file gives text. Fails when the bytes after a
// UTF-16 byte order mark are no UTF-16.
QString decodeText(const QByteArray& bytes);

// Splits a text into lines at CR LF, LF or a lone CR; a line end at the very end starts no new line.
// The lines are pieces of one copy of the text, not a copy each.
QStringList splitLines(const QString& text);

// Fails naming the file when something other than a regular file (a folder, a device, a pipe)
// stands under its name, before anyone opens it: a pipe or device may never end.
void requireRegularFile(const QString& fileName);

// Reads a whole text file and decodes it as decodeText does, a piece at a time, so that its bytes
// are not held whole beside its text. Fails naming the file when it cannot be read, is no regular
// file or is larger than kMaxTextFileBytes.
QString readTextFile(const QString& fileName);

// Reads a whole text file into lines. Fails naming the file when it cannot be read, is no
// regular file, is larger than kMaxTextFileBytes, or has a line longer than kMaxTextLineLength
// (naming the line).
QStringList readTextLines(const QString& fileName);

// Encodes a text for a file: Windows-1252 when every character has a byte there and the bytes
// read back as the same text, otherwise UTF-8 (with a byte order mark where the text itself
// begins with one), so that decodeText gives the text back.
QByteArray encodeText(const QString& text);

// Writes lines each ended with CR LF, encoded by encodeText. The file is complete or untouched:
// the text goes to a temporary file beside it, which replaces it only once the last byte is
// written. Fails naming the file and the reason, also when no regular file stands under its name.
void writeTextFile(const QString& fileName, const QStringList& lines);

// The writing step of writeTextFile on an open output: fails naming the file and the reason when
// the output takes fewer bytes than the text has.
void writeTextLines(QIODevice& output, const QString& fileName, const QStringList& lines);
