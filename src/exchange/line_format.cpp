#include "exchange/line_format.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace {

constexpr QChar kBlank = u' ';

QStringView withoutTrailingBlanks(QStringView text) {
    while (!text.isEmpty() && text.back() == kBlank) text.chop(1);
    return text;
}

}  // namespace

bool hasKeywordColumn(QStringView line, QStringView keyword) {
    if (!line.startsWith(keyword)) return false;
    const qsizetype end = std::min<qsizetype>(line.size(), kKeywordWidth);
    for (qsizetype i = keyword.size(); i < end; ++i)
        if (line[i] != kBlank) return false;
    return true;
}

QString columnText(const QString& line, ColumnSpan column) {
    if (column.first < 1 || column.first > line.size()) return QString();
    return column.width > 0 ? line.mid(column.first - 1, column.width) : line.mid(column.first - 1);
}

QString keywordColumn(const QString& keyword) {
    return keyword.leftJustified(kKeywordWidth, kBlank);
}

QString scan_text(const QString& keyword, const TextLines& lines) {
    const QStringView bare = withoutTrailingBlanks(keyword);
    if (bare.isEmpty()) return QString();
    // Keywords are ASCII: a line that does not begin with the keyword is passed over undecoded.
    const QByteArray ascii = bare.toLatin1();
    for (qsizetype row = 0; row < lines.size(); ++row) {
        if (!lines.lineStartsWith(row, QLatin1StringView(ascii))) continue;
        const QString line = lines[row];
        if (hasKeywordColumn(line, bare)) return columnText(line, {kKeywordWidth + 1, 0});
    }
    return QString();
}

TextLines findKindLines(const TextLines& lines, const QString& kindText) {
    const QByteArray ascii = kindText.toLatin1();
    std::vector<qsizetype> found;
    for (qsizetype row = 0; row < lines.size(); ++row)
        if (lines.lineContains(row, QLatin1StringView(ascii))) found.push_back(row);
    return lines.selected(found);
}

namespace {

// Reads the sign and the run of digits of a number, handing each digit to the accumulator;
// true when the number is negative.
template <class Accumulate>
bool scanNumber(QStringView text, Accumulate accumulate) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == kBlank) ++i;
    const bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) ++i;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) accumulate(text[i].unicode() - u'0');
    return negative;
}

}  // namespace

int readNumber(QStringView text) {
    // One past INT_MAX is the most a run of digits can reach: it reads as INT_MIN when negative.
    constexpr qint64 kLimit = qint64(INT_MAX) + 1;
    qint64 value = 0;
    const bool negative = scanNumber(text, [&](int digit) { value = std::min(value * 10 + digit, kLimit); });
    return negative ? int(-value) : int(std::min<qint64>(value, INT_MAX));
}

int readLowBits(QStringView text, int bits) {
    const qint64 modulus = qint64(1) << bits;
    qint64 value = 0;
    const bool negative = scanNumber(text, [&](int digit) { value = (value * 10 + digit) % modulus; });
    // The low bits of a negative number are those of its two's complement.
    return int(negative ? (modulus - value) % modulus : value);
}

QString fixedWidth(const QString& text, int width) {
    return text.leftJustified(width, kBlank, true);
}

QString trimmedRight(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && (text[end - 1] == kBlank || text[end - 1].category() == QChar::Other_Control)) --end;
    return text.left(end);
}
