#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "base/text_encoding.h"
#include "base/text_lines.h"

class QIODevice;

// The largest text file read, and the longest line: far beyond any member file, update text,
// log or URL history, small enough that a file picked by mistake cannot fill the memory.
inline constexpr qint64 kMaxTextFileBytes = 64 * 1024 * 1024;
inline constexpr qsizetype kMaxTextLineLength = 64 * 1024;

// Splits a text into lines at CR LF, LF or a lone CR; a line end at the very end starts no new line.
QStringList splitLines(const QString& text);

// Fails naming the file when something other than a regular file (a folder, a device, a pipe)
// stands under its name, before anyone opens it: a pipe or device may never end.
void requireRegularFile(const QString& fileName);

// Reads a whole text file and decodes it as decodeText does, a piece at a time, so that its bytes
// are not held whole beside its text. Fails naming the file when it cannot be read, is no regular
// file or is larger than kMaxTextFileBytes.
QString readTextFile(const QString& fileName);

// Reads a whole text file's bytes, for a reader that decodes them itself. Fails as readTextFile
// does before reading.
QByteArray readTextFileBytes(const QString& fileName);

// Reads a whole text file into lines, held as the file's bytes (TextLines). Fails naming the
// file when it cannot be read, is no regular file, is larger than kMaxTextFileBytes, is no valid
// UTF-16 after a UTF-16 byte order mark, or has a line longer than kMaxTextLineLength (naming the line).
TextLines readTextLines(const QString& fileName);

// Writes lines each ended with CR LF, encoded by encodeText. The file is complete or untouched:
// the text goes to a temporary file beside it, which replaces it only once the last byte is
// written. Fails naming the file and the reason, also when no regular file stands under its name.
void writeTextFile(const QString& fileName, const QStringList& lines);

// The writing step of writeTextFile on an open output: fails naming the file and the reason when
// the output takes fewer bytes than the text has.
void writeTextLines(QIODevice& output, const QString& fileName, const QStringList& lines);
