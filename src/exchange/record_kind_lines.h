#pragma once

#include <QStringList>

#include "base/text_lines.h"
#include "register/start_state.h"

class Gauge;
struct IslandLineFormat;
namespace store {
class Table;
}

// What applying the island and group lines did.
struct KindLinesResult {
    int islandLines = 0;  // island lines that changed their record
    int groupLines = 0;   // group lines that set their record's group
    int passedOver = 0;   // lines beyond the start count, or whose reference has no record
};

// Applies the island and group lines of the thirteen record kinds, kind by kind in order, to
// the island tables through the handle: each line selects its record by "IOTA = " and the
// quoted reference (characters 10-15); an island line changes it by the format's rules, a group
// line sets its ABW. At most as many lines of a kind are applied as its table held at start; a
// line whose reference is not a well-formed one, or has no record, changes nothing. The gauge
// shows each kind's caption at 0, then 2 after the search, then climbs by 98 / the kind's
// line count per line to 100. Leaves the handle closed on the last table, unfiltered and
// writable.
KindLinesResult applyRecordKinds(store::Table& table, const TextLines& lines, const StartCounts& counts,
                                 const IslandLineFormat& format, Gauge& gauge);
