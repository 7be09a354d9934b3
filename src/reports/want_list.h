#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "reports/award_summary.h"

namespace store {
class Table;
}

namespace reports {

// One of the two want lists of "&Want List (short)".
struct WantListKind {
    QString caption;       // the menu entry
    QString filter;        // the records listed
    QString headerSuffix;  // appended to the page header
};

// "&needed (-)" then "n&eeded (-/W)".
const std::array<WantListKind, 2>& wantListKinds();

// The section headings "Africa:" … "Southamerica:", in the order of continents().
const std::array<QString, 7>& wantListHeadings();

// The entry of one reference: two spaces, the reference and a space; a worked reference
// (status exactly "W") in parentheses after one space. Both forms are nine characters for EU-005.
QString wantListEntry(const QString& reference, const QString& status);

// Appends one continent's section to the memo lines: the heading, the entry lines of 19 entries
// each (one empty line when nothing is selected) and an empty line. Reads the table through the
// handle under the filter and leaves it open on that table with that filter.
void WantListAdd(store::Table& Table1, QStringList& QRMemo1, const QString& heading, const QString& tableName,
                 const QString& filter);

// The whole want-list text: the seven continent sections in order, each under the kind's filter,
// advancing the gauge by 14 after each of the first six sections and by 16 after the last.
QStringList wantListText(store::Table& Table1, const WantListKind& kind,
                         BatchProgress& progress = BatchProgress::none());

// The page header QRLabel33: "Want List for ", the owner's callsign, " as of " and the date and
// time text, then the kind's suffix.
QString wantListHeader(const QString& ownerCallsign, const QString& dateTime, const WantListKind& kind);

}  // namespace reports
