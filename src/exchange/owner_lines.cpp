#include "exchange/owner_lines.h"

#include "base/failure.h"
#include "exchange/line_format.h"
#include "register/store/table_names.h"

namespace {

const QString kYes = QStringLiteral("Yes");
const QString kAllModes = QStringLiteral("All modes");

struct Mode {
    int code;
    QString endorsement;
};

// The member file's codes; any other code reads as "All modes".
const std::vector<Mode> kModesRead = {{1, "CW"}, {2, "SSB"}, {4, "DATA"}};
// The codes written; "DATA" is what the import stores for code 4, so it goes back as a data code.
const std::vector<Mode> kModesWritten = {{0, "All modes"}, {1, "CW"}, {2, "SSB"}, {3, "Data"}, {3, "DATA"}};

// A value kept as an empty row: nothing, or the single blank that the split leaves behind.
bool isEmptyCall(const QString& value) {
    return value.isEmpty() || value == QLatin1String(" ");
}

// Takes the word before the first blank and the blank itself. A last word with no blank
// after it is taken whole, so a line cut after its last callsign keeps that callsign.
QString takeWord(QString& rest) {
    const qsizetype blank = rest.indexOf(u' ');
    QString word = blank < 0 ? rest : rest.left(blank);
    rest = blank < 0 ? QString() : rest.mid(blank + 1);
    return word;
}

// One row of the split: up to two words, stopping where the rest is only the blanks that pad
// the rows after it (the stop runs shrink by one blank per word taken).
QString takeCallPair(QString& rest, int stopBefore, int stopBetween) {
    if (rest.isEmpty() || rest == QString(stopBefore, u' ')) return QString();
    const QString first = takeWord(rest);
    if (rest.isEmpty() || rest == QString(stopBetween, u' ')) return first;
    return first + u' ' + takeWord(rest);
}

}  // namespace

const std::vector<OwnerKeyword>& ownerKeywords() {
    using enum OwnerValueKind;
    using enum OwnerLineSource;
    // The row is the one a member file sets; the update file takes CALLSIGN and DIRNUM from the
    // values read at start and DATE from the export's date instead.
    static const std::vector<OwnerKeyword> keywords = {
        {"CALLSIGN", kCallsignRow, Text, OwnerCallsign},
        {"DIRNUM", kDirectoryNoRow, Text, OwnerDirectoryNo},
        {"CHECKPT", kCheckpointRow, Text, FirstTwoOfRow},
        {"DATE", kLastUpdatedRow, Text, DateText},
        {"NAME", kNameRow, Text, Row},
        {"CERTNAME", kNameOnCertificateRow, Text, Row},
        {"ADDRESS1", kAddress1Row, Text, Row},
        {"ADDRESS2", kAddress2Row, Text, Row},
        {"ADDRESS3", kAddress3Row, Text, Row},
        {"POSTTOWN", kTownRow, Text, Row},
        {"COUNTY", kCountyRow, Text, Row},
        {"POSTCODE", kPostcodeRow, Text, Row},
        {"COUNTRY", kCountryRow, Text, Row},
        {"HPHONE", kPhoneHomeRow, Text, Row},
        {"WPHONE", kPhoneWorkRow, Text, Row},
        {"FAX", kFaxRow, Text, Row},
        {"EMAIL", kEmailRow, Text, Row},
        {"STATUS", "", Flags, Row},
        {"MODES", kModeEndorsementRow, Mode, Row},
        {"PREVCALL", "", PreviousCalls, Row},
        {"COMMENT1", kComments1Row, Text, Row},
        {"COMMENT2", kComments2Row, Text, Row},
    };
    return keywords;
}

const OwnerKeyword& ownerKeyword(const QString& keyword) {
    for (const OwnerKeyword& row : ownerKeywords())
        if (row.keyword == keyword) return row;
    throw Failure(QStringLiteral("\"%1\" is not an owner keyword").arg(keyword));
}

QList<OwnerValue> readOwnerValues(const OwnerKeyword& keyword, const TextLines& lines) {
    const QString value = scan_text(keyword.keyword, lines);
    switch (keyword.kind) {
        case OwnerValueKind::Text:
            return {{keyword.row, value}};
        case OwnerValueKind::Flags:
            return flagValues(readLowBits(value, int(flags().size())));
        case OwnerValueKind::Mode:
            return {{keyword.row, modeEndorsement(readNumber(value))}};
        case OwnerValueKind::PreviousCalls:
            break;
    }
    QList<OwnerValue> values;
    const QStringList calls = splitPreviousCalls(value);
    for (int i = 0; i < calls.size(); ++i) values.append({previousCallRows()[i], calls[i]});
    return values;
}

const std::vector<Flag>& flags() {
    static const std::vector<Flag> all = {
        {1, kRsgbMemberRow},        {2, kShortWaveListenerRow},    {4, kClubCallsignRow},      {8, kDirectory2000Row},
        {16, kComputerUpdatesRow},  {32, kNoDataReceivedRow},      {64, kBelievedInactiveRow}, {128, kSilentKeyRow},
        {256, kMarkedForDeleteRow}, {512, kDontShowOnListingsRow},
    };
    return all;
}

QList<OwnerValue> flagValues(int number) {
    QList<OwnerValue> values;
    for (const Flag& flag : flags()) values.append({flag.row, (number & flag.bit) ? kYes : QString()});
    return values;
}

int flagNumber(const QHash<QString, QString>& rows) {
    int number = 0;
    for (const Flag& flag : flags())
        if (rows.value(flag.row) == kYes) number += flag.bit;
    return number;
}

QString modeEndorsement(int code) {
    for (const Mode& mode : kModesRead)
        if (mode.code == code) return mode.endorsement;
    return kAllModes;
}

int modeCode(const QString& endorsement) {
    for (const Mode& mode : kModesWritten)
        if (mode.endorsement == endorsement) return mode.code;
    return 0;
}

const QStringList& previousCallRows() {
    static const QStringList rows = {kOtherCalls1Row, kOtherCalls2Row, kOtherCalls3Row, kOtherCalls4Row};
    return rows;
}

QStringList splitPreviousCalls(const QString& value) {
    // The blanks that pad the rows still to come: 7 after the first call, then 6 and 5, 4 and 3, 2 and 1.
    QString rest = value;
    if (rest.isEmpty()) return {QString(), QString(), QString(), QString()};
    QStringList rows;
    const QString first = takeWord(rest);
    rows << ((rest.isEmpty() || rest == QString(7, u' ')) ? first : first + u' ' + takeWord(rest));
    rows << takeCallPair(rest, 6, 5);
    rows << takeCallPair(rest, 4, 3);
    rows << takeCallPair(rest, 2, 1);
    return rows;
}

QString joinPreviousCalls(const QHash<QString, QString>& rows) {
    // Each call but the one of the last row is followed by a blank.
    QString joined;
    for (int i = 0; i < previousCallRows().size(); ++i) {
        const QString& value = rows.value(previousCallRows()[i]);
        if (isEmptyCall(value)) continue;
        joined += value;
        if (i < previousCallRows().size() - 1) joined += u' ';
    }
    return joined;
}
