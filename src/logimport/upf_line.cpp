#include "logimport/upf_line.h"

namespace {

// The UPF format separates words with the blank only; trimming removes every character up to
// the blank in code (tabs, other control characters) as well.
constexpr QChar kBlank = u' ';

bool isTrimmed(QChar c) {
    return c.unicode() <= 32;
}

QString trimmedFront(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && isTrimmed(text[start])) ++start;
    return text.mid(start);
}

QString trimmedBack(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && isTrimmed(text[end - 1])) --end;
    return text.left(end);
}

// How a short reference is filled up to three digits: by its length after the dash is in place.
struct NumberFill {
    qsizetype length;
    const char* fill;
};

constexpr NumberFill kNumberFills[] = {
    {4, "-00"},  // AF-1
    {5, "-0"},   // AF-01
};

}  // namespace

QStringView upfReferenceWord(const QString& line) {
    const qsizetype blank = line.indexOf(kBlank);
    return blank > 0 ? QStringView(line).left(blank) : QStringView();
}

QString normaliseReference(const QString& word, const QString& continentCode) {
    QString reference = word.contains(u'-') ? word : continentCode + u'-' + word.mid(2);
    for (const NumberFill& fill : kNumberFills)
        if (reference.size() == fill.length) reference = continentCode + QLatin1String(fill.fill) + reference.mid(3);
    return trimmedBack(reference);
}

UpfContact splitCallAndComment(const QString& line) {
    const qsizetype firstBlank = line.indexOf(kBlank);
    const QString rest = firstBlank < 0 ? QString() : trimmedFront(line.mid(firstBlank));
    const qsizetype blank = rest.indexOf(kBlank);
    if (blank < 0) return {trimmedBack(rest), QString()};
    return {rest.left(blank), trimmedBack(trimmedFront(rest.mid(blank)))};
}

bool isNoContact(const QString& callsign) {
    return callsign.contains(QLatin1String("NONE")) || callsign.contains(QLatin1String("DELETED"));
}
