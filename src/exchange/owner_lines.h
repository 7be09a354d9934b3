#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

#include "base/text_lines.h"

// Owner lines: one keyword for one or more rows of the "Owner" table, in both directions.

// How the value of an owner line stands for "Owner" rows.
enum class OwnerValueKind {
    Text,           // the row's Value itself
    Flags,          // the flag number of the ten yes/no rows
    Mode,           // the mode code of "Mode endorsement"
    PreviousCalls,  // "Other Calls1" to "Other Calls4", two callsigns each
};

// Where the update file takes the value of an owner line from.
enum class OwnerLineSource {
    Row,               // the rows named by the value kind
    FirstTwoOfRow,     // the first two characters of the row
    OwnerCallsign,     // the owner callsign read at start, in capitals
    OwnerDirectoryNo,  // the directory number read at start
    DateText,          // the date text of the export
};

struct OwnerKeyword {
    QString keyword;  // bare, as searched: "CALLSIGN"
    QString row;      // the row of a text or mode value ("Callsign"); empty for flags and previous calls
    OwnerValueKind kind;
    OwnerLineSource source;
};

// The owner keywords in the order of the update file, "CALLSIGN" to "COMMENT2".
const std::vector<OwnerKeyword>& ownerKeywords();

// The table row of a bare keyword; fails for a keyword that is not an owner keyword.
const OwnerKeyword& ownerKeyword(const QString& keyword);

// One "Owner" row and the value to write into it.
struct OwnerValue {
    QString row;
    QString value;
    bool operator==(const OwnerValue&) const = default;
};

// The rows that a member file sets for a keyword, from its owner value (scan_text): one row
// for a text or a mode, the ten flag rows in bit order, the four previous-call rows in order.
QList<OwnerValue> readOwnerValues(const OwnerKeyword& keyword, const TextLines& lines);

// The ten flag rows with their bit values, 1 ("RSGB Member") to 512 ("Don't show on listings").
struct Flag {
    int bit;
    QString row;
};
const std::vector<Flag>& flags();

// Flag number, read: each flag row "Yes" when its bit is set in the number, else empty.
QList<OwnerValue> flagValues(int number);
// Flag number, written: the sum of the bits of the rows whose value is exactly "Yes".
int flagNumber(const QHash<QString, QString>& rows);

// Mode code, read: 1 "CW", 2 "SSB", 4 "DATA", any other "All modes".
QString modeEndorsement(int code);
// Mode code, written: "All modes" 0, "CW" 1, "SSB" 2, "Data" and "DATA" 3, any other 0.
int modeCode(const QString& endorsement);

// The rows "Other Calls1" to "Other Calls4".
const QStringList& previousCallRows();
// Previous-callsign split: the value of a "PREVCALL " line cut into the four rows.
QStringList splitPreviousCalls(const QString& value);
// Previous-callsign join: the four rows as the value of a "PREVCALL " line.
QString joinPreviousCalls(const QHash<QString, QString>& rows);
