#include "cluster/spot_line.h"

#include <array>

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isOneWord(QStringView text) {
    for (const QChar c : text)
        if (isBlank(c)) return false;
    return !text.isEmpty();
}

bool allDigits(QStringView text) {
    for (const QChar c : text)
        if (!isDigit(c)) return false;
    return !text.isEmpty();
}

int twoDigits(QStringView text) {
    return (text[0].unicode() - u'0') * 10 + (text[1].unicode() - u'0');
}

QStringView trimmedBlanks(QStringView text) {
    while (!text.isEmpty() && isBlank(text.front())) text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back())) text.chop(1);
    return text;
}

// Walks over the words of a line, a word being what stands between blanks.
class Words {
public:
    explicit Words(QStringView text) : m_text(text) {}

    QStringView next() {
        skipBlanks();
        const qsizetype start = m_at;
        while (m_at < m_text.size() && !isBlank(m_text[m_at])) ++m_at;
        return m_text.sliced(start, m_at - start);
    }
    // The word up to a colon or a blank, the colon left standing.
    QStringView nextUpToColon() {
        skipBlanks();
        const qsizetype start = m_at;
        while (m_at < m_text.size() && !isBlank(m_text[m_at]) && m_text[m_at] != u':') ++m_at;
        return m_text.sliced(start, m_at - start);
    }
    // Passes over blanks and one colon among them.
    void skipColon() {
        skipBlanks();
        if (m_at < m_text.size() && m_text[m_at] == u':') ++m_at;
    }
    QStringView rest() {
        skipBlanks();
        return m_text.sliced(m_at);
    }

private:
    void skipBlanks() {
        while (m_at < m_text.size() && isBlank(m_text[m_at])) ++m_at;
    }

    QStringView m_text;
    qsizetype m_at = 0;
};

// A frequency in kHz: digits with at most one decimal point among or after them. Read digit by
// digit: the digits as one whole number divided by the power of ten of the decimals gives the
// nearest double, as a general number parser would, at a fraction of its cost per spot.
std::optional<double> frequencyOf(QStringView word) {
    constexpr int kMostDigits = 15;  // whole numbers up to here are exact in a double
    qint64 digits = 0;
    int count = 0;
    int decimals = -1;
    for (const QChar c : word) {
        if (c == u'.' && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (!isDigit(c) || ++count > kMostDigits) return std::nullopt;
        digits = digits * 10 + (c.unicode() - u'0');
        if (decimals >= 0) ++decimals;
    }
    if (count == 0 || (decimals >= 0 && word.front() == u'.')) return std::nullopt;
    double divisor = 1;
    for (int i = 0; i < decimals; ++i) divisor *= 10;
    return double(digits) / divisor;
}

bool isClockTime(int hours, int minutes) {
    return hours < 24 && minutes < 60;
}

// "HHMMZ" at the end of the text, as nodes write the time; a comment may run into it.
bool endsWithZuluTime(QStringView text) {
    if (text.size() < 5 || text.back() != u'Z') return false;
    const QStringView digits = text.sliced(text.size() - 5, 4);
    return allDigits(digits) && isClockTime(twoDigits(digits), twoDigits(digits.sliced(2)));
}

// "HH:MM" or "HH:MM:SS", as spot archives write the time; gives "HHMMZ".
std::optional<QString> archiveTime(QStringView word) {
    if (word.size() != 5 && word.size() != 8) return std::nullopt;
    if (word[2] != u':' || !allDigits(word.first(2)) || !allDigits(word.sliced(3, 2))) return std::nullopt;
    if (word.size() == 8 && (word[5] != u':' || !allDigits(word.sliced(6)))) return std::nullopt;
    if (!isClockTime(twoDigits(word), twoDigits(word.sliced(3)))) return std::nullopt;
    return word.first(2).toString() + word.sliced(3, 2).toString() + u'Z';
}

// "yyyy-MM-dd" at the end of the text; a comment cut at its full width may run into it.
bool endsWithIsoDate(QStringView text) {
    if (text.size() < 10) return false;
    const QStringView date = text.sliced(text.size() - 10);
    return allDigits(date.first(4)) && date[4] == u'-' && allDigits(date.sliced(5, 2)) && date[7] == u'-' &&
           allDigits(date.sliced(8));
}

QString commentText(QStringView comment) {
    QString text = trimmedBlanks(comment).toString();
    text.replace(u'\t', u' ');
    return text;
}

// What may stand after a node's time: a locator, a US state or a zone, letters and digits.
bool isLocatorWord(QStringView word) {
    if (word.isEmpty() || word.size() > 6) return false;
    for (const QChar c : word)
        if (!c.isLetterOrNumber()) return false;
    return true;
}

// Splits what follows the DX call into the comment and the time (with the date or locator
// around it) found at its end; without a time there, all of it is the comment.
void readCommentAndTime(QStringView rest, Spot& spot) {
    rest = trimmedBlanks(rest);
    qsizetype lastBlank = rest.size() - 1;
    while (lastBlank >= 0 && !isBlank(rest[lastBlank])) --lastBlank;
    const QStringView lastWord = rest.sliced(lastBlank + 1);
    const QStringView beforeLast = trimmedBlanks(rest.first(lastBlank + 1));

    if (const std::optional<QString> time = archiveTime(lastWord); time && endsWithIsoDate(beforeLast)) {
        spot.time = *time;
        spot.date = beforeLast.last(10).toString();
        spot.comment = commentText(beforeLast.chopped(10));
    } else if (endsWithZuluTime(lastWord)) {
        spot.time = lastWord.last(5).toString();
        spot.comment = commentText(rest.chopped(5));
    } else if (isLocatorWord(lastWord) && endsWithZuluTime(beforeLast)) {
        spot.time = beforeLast.last(5).toString();
        spot.locator = lastWord.toString();
        spot.comment = commentText(beforeLast.chopped(5));
    } else {
        spot.comment = commentText(rest);
    }
}

constexpr std::array<const char16_t*, 12> kMonths = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                                     u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};

// "4-Oct-2018" or "04-Dec-2023" as "2018-10-04".
std::optional<QString> showDxDate(QStringView word) {
    const qsizetype firstDash = word.indexOf(u'-');
    if (firstDash < 1 || firstDash > 2 || word.size() != firstDash + 9 || word[firstDash + 4] != u'-')
        return std::nullopt;
    const QStringView day = word.first(firstDash);
    const QStringView year = word.sliced(firstDash + 5);
    if (!allDigits(day) || !allDigits(year)) return std::nullopt;
    for (size_t month = 0; month < kMonths.size(); ++month)
        if (word.sliced(firstDash + 1, 3).compare(QStringView(kMonths[month]), Qt::CaseInsensitive) == 0)
            return QStringLiteral("%1-%2-%3")
                .arg(year)
                .arg(month + 1, 2, 10, QChar(u'0'))
                .arg(day.toInt(), 2, 10, QChar(u'0'));
    return std::nullopt;
}

}  // namespace

std::optional<Spot> readDxDeLine(QStringView line) {
    line = trimmedBlanks(line);
    if (!line.startsWith(u"DX de ", Qt::CaseInsensitive)) return std::nullopt;
    Words words(line.sliced(6));
    Spot spot;
    spot.spotter = words.nextUpToColon().toString();
    words.skipColon();
    const QStringView frequency = words.next();
    const std::optional<double> kHz = frequencyOf(frequency);
    const QStringView dxCall = words.next();
    if (spot.spotter.isEmpty() || !kHz || dxCall.isEmpty()) return std::nullopt;
    spot.frequency = frequency.toString();
    spot.kHz = *kHz;
    spot.dxCall = dxCall.toString();
    readCommentAndTime(words.rest(), spot);
    return spot;
}

std::optional<Spot> readShowDxLine(QStringView line) {
    line = trimmedBlanks(line);
    if (!line.endsWith(u'>')) return std::nullopt;
    const qsizetype spotterStart = line.lastIndexOf(u'<');
    if (spotterStart < 0) return std::nullopt;
    Words words(line.first(spotterStart));
    const QStringView frequency = words.next();
    const std::optional<double> kHz = frequencyOf(frequency);
    const QStringView dxCall = words.next();
    const std::optional<QString> date = showDxDate(words.next());
    const QStringView time = words.next();
    const QStringView spotter = line.sliced(spotterStart + 1).chopped(1);
    if (!kHz || dxCall.isEmpty() || !date || time.size() != 5 || !endsWithZuluTime(time) || !isOneWord(spotter))
        return std::nullopt;
    Spot spot;
    spot.spotter = spotter.toString();
    spot.frequency = frequency.toString();
    spot.kHz = *kHz;
    spot.dxCall = dxCall.toString();
    spot.comment = commentText(words.rest());
    spot.time = time.toString();
    spot.date = *date;
    return spot;
}
