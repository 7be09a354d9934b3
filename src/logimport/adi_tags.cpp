#include "logimport/adi_tags.h"

#include <algorithm>
#include <limits>

namespace {

// More digits than this make a length no file of at most 64 MiB can hold.
constexpr qsizetype kMaxLengthDigits = 9;
constexpr qsizetype kBeyondAnyFile = std::numeric_limits<qsizetype>::max() / 2;

bool isNameCharacter(char c) {
    return uchar(c) > ' ' && c != '<' && c != '>' && c != ':' && c != ',' && c != '{' && c != '}';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isAscii(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
}

bool sameName(QByteArrayView name, QByteArrayView upper) {
    return name.size() == upper.size() && name.compare(upper, Qt::CaseInsensitive) == 0;
}

AdiTag damagedTag(QByteArrayView name) {
    return {AdiTag::Kind::Damaged, name, 0, 0};
}

qsizetype lengthOf(QByteArrayView digits) {
    if (digits.size() > kMaxLengthDigits) return kBeyondAnyFile;
    qsizetype length = 0;
    for (char c : digits) length = length * 10 + (c - '0');
    return length;
}

// The place after `characters` UTF-8 characters from `start`; beyond the text when it has fewer.
qsizetype afterCharacters(QByteArrayView text, qsizetype start, qsizetype characters) {
    qsizetype i = start;
    for (; characters > 0 && i < text.size(); --characters) {
        ++i;
        while (i < text.size() && (uchar(text[i]) & 0xC0) == 0x80) ++i;
    }
    return characters > 0 ? kBeyondAnyFile : i;
}

// The first place in a value's window where a record or header end begins, or a field tag that
// the window's end cuts in two: a value that holds one has a wrong length. -1 when there is none.
qsizetype tagBoundaryWithin(QByteArrayView text, qsizetype start, qsizetype end) {
    for (qsizetype open = text.indexOf('<', start); open >= 0 && open < end; open = text.indexOf('<', open + 1)) {
        const AdiTag tag = readAdiTag(text, open);
        if (isEndOfRecord(tag) || isEndOfHeader(tag) || (tag.kind == AdiTag::Kind::Field && tag.end > end)) return open;
    }
    return -1;
}

// Line ends written as LF alone. A multi-line value counts its line ends as CR LF; a file whose
// line ends were converted to LF holds one byte fewer per line end than its lengths say.
qsizetype bareLineFeeds(QByteArrayView bytes) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) ++count;
    return count;
}

// Whether a value ending here is followed, after blanks, by the end of the file, a field tag or
// a record or header end, and runs over no <EOR> or <EOH>.
bool fitsAt(QByteArrayView text, qsizetype valueStart, qsizetype end) {
    if (end > text.size() || tagBoundaryWithin(text, valueStart, end) >= 0) return false;
    qsizetype next = end;
    while (next < text.size() && isBlank(text[next])) ++next;
    if (next == text.size()) return true;
    if (text[next] != '<') return false;
    const AdiTag tag = readAdiTag(text, next);
    return tag.kind == AdiTag::Kind::Field || isEndOfRecord(tag) || isEndOfHeader(tag);
}

bool onlyBlanks(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(), isBlank);
}

QString fieldName(const AdiTag& field) {
    return QString::fromLatin1(field.name);
}

// The end where the length is plain: the value is ASCII or the file is not UTF-8.
std::optional<AdiValue> byteCountedValue(QByteArrayView text, const AdiTag& field) {
    const qsizetype end = field.end + field.length;
    if (end > text.size()) return std::nullopt;
    return AdiValue{end, {}};
}

// The end of a UTF-8 value with non-ASCII bytes, whose length may count bytes or characters.
std::optional<AdiValue> utf8Value(QByteArrayView text, const AdiTag& field) {
    const qsizetype asBytes = field.end + field.length;
    const qsizetype asCharacters = afterCharacters(text, field.end, field.length);
    const bool bytesFit = fitsAt(text, field.end, asBytes);
    const bool charactersFit = fitsAt(text, field.end, asCharacters);
    if (bytesFit != charactersFit) return AdiValue{bytesFit ? asBytes : asCharacters, {}};
    if (asBytes > text.size()) {
        if (asCharacters > text.size()) return std::nullopt;
        return AdiValue{asCharacters, QStringLiteral("the field %1 holds %2 characters, but no tag follows them")
                                          .arg(fieldName(field))
                                          .arg(field.length)};
    }
    // A count in characters that only takes in the blanks before the same next tag says the same.
    if (bytesFit && onlyBlanks(text.sliced(asBytes, asCharacters - asBytes))) return AdiValue{asBytes, {}};
    const QString fault = bytesFit ? QStringLiteral(
                                         "the length %2 of the field %1 fits both as bytes and as "
                                         "characters of its UTF-8 value")
                                   : QStringLiteral(
                                         "the length %2 of the field %1 fits neither as bytes nor as "
                                         "characters of its UTF-8 value: no tag follows either");
    return AdiValue{asBytes, fault.arg(fieldName(field)).arg(field.length)};
}

}  // namespace

AdiTag readAdiTag(QByteArrayView text, qsizetype open) {
    const qsizetype end = text.size();
    qsizetype i = open + 1;
    while (i < end && isNameCharacter(text[i])) ++i;
    if (i == open + 1 || i >= end) return {};
    const QByteArrayView name = text.sliced(open + 1, i - open - 1);
    if (text[i] == '>') return {AdiTag::Kind::Marker, name, 0, i + 1};
    if (text[i] != ':') return {};
    const qsizetype digitsStart = ++i;
    while (i < end && isDigit(text[i])) ++i;
    if (i == digitsStart || i >= end) return damagedTag(name);
    const qsizetype length = lengthOf(text.sliced(digitsStart, i - digitsStart));
    if (text[i] == ':') {
        ++i;
        while (i < end && isLetter(text[i])) ++i;
    }
    if (i >= end || text[i] != '>') return damagedTag(name);
    return {AdiTag::Kind::Field, name, length, i + 1};
}

bool isEndOfRecord(const AdiTag& tag) {
    return tag.kind == AdiTag::Kind::Marker && sameName(tag.name, "EOR");
}

bool isEndOfHeader(const AdiTag& tag) {
    return tag.kind == AdiTag::Kind::Marker && sameName(tag.name, "EOH");
}

std::optional<AdiValue> adiValueOf(QByteArrayView text, const AdiTag& field, bool utf8) {
    const qsizetype plainEnd = std::min(field.end + field.length, text.size());
    std::optional<AdiValue> value = utf8 && !isAscii(text.sliced(field.end, plainEnd - field.end))
                                        ? utf8Value(text, field)
                                        : byteCountedValue(text, field);
    if (!value) return value;
    const qsizetype boundary = tagBoundaryWithin(text, field.end, value->end);
    if (boundary < 0) return value;
    const QByteArrayView held = text.sliced(field.end, boundary - field.end);
    if (value->end - boundary > bareLineFeeds(held) && value->fault.isEmpty())
        value->fault =
            QStringLiteral("the field %1 is to hold %2 characters, but %3 follows after %4")
                .arg(fieldName(field))
                .arg(field.length)
                .arg(QString::fromLatin1(text.sliced(boundary, readAdiTag(text, boundary).end - boundary)).toUpper())
                .arg(held.size());
    value->end = boundary;
    return value;
}
