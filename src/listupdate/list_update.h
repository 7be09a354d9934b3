#pragma once

#include <QStringList>

#include "base/text_lines.h"
#include "exchange/record_kind_lines.h"
#include "register/start_state.h"

namespace store {
class Database;
class Table;
}  // namespace store

// The island list update application: applies the island and group lines of an update text,
// read from a file or fetched by HTTP, to the island tables inside one write transaction. Kind
// by kind, at most as many lines as the kind's table held at start are applied: island lines
// bring prefix and name up to date by the update rules (deleting, reviving deleted and
// unallocated references, keeping the user's worked, claimed and approved statuses), group lines
// set the group code. Other lines, and lines whose reference has no record, change nothing.
// Leaves the handle closed on the last island table, unfiltered.
KindLinesResult applyListUpdate(store::Database& database, store::Table& table, const TextLines& lines,
                                const StartCounts& startCounts);

// The same application inside a write transaction that the caller holds and commits, as the
// creation of a data folder from an update text does.
KindLinesResult applyListUpdateLines(store::Table& table, const TextLines& lines, const StartCounts& startCounts);
