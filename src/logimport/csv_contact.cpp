#include "logimport/csv_contact.h"

#include <array>

#include "register/codes.h"

namespace {

constexpr qsizetype kReferenceStart = 1;  // character 2, counted from 0
constexpr qsizetype kReferenceLength = 6;
constexpr qsizetype kCallsignStart = 10;  // character 11
constexpr qsizetype kCallsignLength = 20;

struct StatusWord {
    QString word;
    QString status;
};

// Searched in this order over the whole line: a deleted reference stays deleted even when the
// contact was accepted.
const std::array<StatusWord, 2>& statusWords() {
    static const std::array<StatusWord, 2> words{{
        {QStringLiteral("DELETED"), status::Deleted},
        {QStringLiteral("Accepted"), status::Approved},
    }};
    return words;
}

QString statusOf(const QString& line) {
    for (const StatusWord& word : statusWords())
        if (line.contains(word.word)) return word.status;
    return status::Needed;
}

}  // namespace

QString csvContinentMarker(const QString& continentCode) {
    return u'"' + continentCode + u'-';
}

CsvContact readCsvContact(const QString& line) {
    const QStringView callsignColumn = QStringView(line).mid(kCallsignStart, kCallsignLength);
    // Up to the first double quote, or the whole column when it holds none (left(-1)).
    return {line.mid(kReferenceStart, kReferenceLength), callsignColumn.left(callsignColumn.indexOf(u'"')).toString(),
            statusOf(line)};
}
