#pragma once

#include <QString>
#include <QStringList>

#include <QStringView>
#include "base/text_lines.h"

// The line grammar that the member file, the checkpoint update file and the island list update
// text share: a keyword column of nine characters, then a value or fixed columns. Positions
// count characters from 1, letter case matters, and a column that lies beyond the end of a
// short line yields only the characters that exist.

inline constexpr int kKeywordWidth = 9;

// A fixed column of a record line: its first character (from 1) and its width; a width of 0
// runs to the end of the line, a first character of 0 marks a column the layout does not have.
struct ColumnSpan {
    int first = 0;
    int width = 0;
};

// The characters of a line in a column; never reads past the end of the line.
QString columnText(const QString& line, ColumnSpan column);

// The keyword filled with blanks to the nine characters of the keyword column ("NAME     ").
QString keywordColumn(const QString& keyword);

// Whether a line's keyword column is the bare keyword followed by blanks, as far as the line goes.
bool hasKeywordColumn(QStringView line, QStringView keyword);

// The owner value of a keyword (bare, as "NAME"; a trailing blank as in "PREVCALL " is allowed):
// characters 10 to the end of the first line whose keyword column is that keyword filled with
// blanks, unchanged; empty when no line has it. A line cut short after the keyword counts too.
// Searching the keyword column only keeps "NAME" from matching a "CERTNAME " line or a value.
QString scan_text(const QString& keyword, const TextLines& lines);

// Kind search: the lines that contain the kind text (ASCII, as "ISLAND   AF-", "AWARD    ")
// anywhere, in file order, however many there are.
TextLines findKindLines(const TextLines& lines, const QString& kindText);

// Reads a decimal number: leading blanks skipped, an optional sign, then digits up to the first
// other character, the rest ignored; no digits read as 0, and digits beyond the range of an int
// read as its limit.
int readNumber(QStringView text);
// The lowest bits of a number read the same way, whatever its size: a flag number as long as
// any digits run still sets its flags from its own low bits.
int readLowBits(QStringView text, int bits);

// The text filled with blanks to the width, or cut to its first characters.
QString fixedWidth(const QString& text, int width);

// The text without its trailing blanks and control characters.
QString trimmedRight(const QString& text);
