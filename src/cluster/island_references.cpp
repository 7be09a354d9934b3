#include "cluster/island_references.h"

#include <QString>

namespace {

constexpr QStringView kContinentCodes[] = {u"AF", u"AN", u"AS", u"EU", u"NA", u"OC", u"SA"};

bool isWordCharacter(QChar c) {
    return c.isLetterOrNumber();
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The first letters of the continent codes, A E N O S: most characters of a comment are none.
bool mayStartContinent(QChar c) {
    switch (c.unicode() | 0x20) {
        case u'a':
        case u'e':
        case u'n':
        case u'o':
        case u's':
            return true;
        default:
            return false;
    }
}

bool isContinentAt(QStringView text, qsizetype at) {
    if (at + 2 > text.size() || !mayStartContinent(text[at])) return false;
    const QStringView code = text.sliced(at, 2);
    for (const QStringView continent : kContinentCodes)
        if (code.compare(continent, Qt::CaseInsensitive) == 0) return true;
    return false;
}

// What may stand between the word IOTA and the reference it introduces.
bool isIotaSeparator(QChar c) {
    return c == u' ' || c == u'\t' || c == u':' || c == u'-' || c == u'=' || c == u'#';
}

// Whether the word IOTA stands just before the position, a separator between.
bool followsIotaWord(QStringView text, qsizetype at) {
    qsizetype end = at;
    while (end > 0 && isIotaSeparator(text[end - 1])) --end;
    if (end == at || end < 4) return false;
    if (text.sliced(end - 4, 4).compare(u"IOTA", Qt::CaseInsensitive) != 0) return false;
    return end == 4 || !isWordCharacter(text[end - 5]);
}

// A reference starts a word: after no letter or digit, and after a slash only where the slash
// joins it to the reference before ("EU-005/EU-006"); a summit's "W7A/NA-066" is none.
bool startsWord(QStringView text, qsizetype at, qsizetype previousEnd) {
    if (at == 0) return true;
    const QChar before = text[at - 1];
    if (before == u'/') return previousEnd == at - 1;
    return !isWordCharacter(before);
}

// Where the three digits of a reference whose code stands at `at` begin: after a dash, right
// after the code, or after the word IOTA also after blanks.
qsizetype numberStart(QStringView text, qsizetype at) {
    qsizetype start = at + 2;
    if (start < text.size() && text[start] == u'-') return start + 1;
    if (start < text.size() && text[start] == u' ' && followsIotaWord(text, at)) {
        while (start < text.size() && text[start] == u' ') ++start;
    }
    return start;
}

// The number of a reference: three digits ending a word, 001 to 999.
bool isReferenceNumber(QStringView text, qsizetype start) {
    if (start + 3 > text.size()) return false;
    const QStringView digits = text.sliced(start, 3);
    if (!isDigit(digits[0]) || !isDigit(digits[1]) || !isDigit(digits[2]) || digits == u"000") return false;
    return start + 3 == text.size() || !isWordCharacter(text[start + 3]);
}

}  // namespace

QStringList islandReferencesIn(QStringView comment) {
    QStringList references;
    qsizetype previousEnd = -1;
    for (qsizetype at = 0; at + 5 <= comment.size(); ++at) {
        if (!isContinentAt(comment, at) || !startsWord(comment, at, previousEnd)) continue;
        const qsizetype number = numberStart(comment, at);
        if (!isReferenceNumber(comment, number)) continue;
        const QString reference =
            comment.sliced(at, 2).toString().toUpper() + u'-' + comment.sliced(number, 3).toString();
        if (!references.contains(reference)) references << reference;
        previousEnd = number + 3;
        at = previousEnd - 1;
    }
    return references;
}
