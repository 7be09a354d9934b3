#pragma once

#include <QStringList>

#include "base/text_lines.h"
#include "register/start_state.h"

namespace store {
class Database;
class Table;
}  // namespace store

// Sets callsign and status of the references in a CSV file of the headquarters' contacts, one
// continent pass at a time in the order AF to SA, inside one write transaction. A line belongs
// to every continent whose marker it holds; each pass applies at most as many of its lines as
// the continent's table held at start, in file order, so the last line of a reference decides.
// Comments stay; references without a record are passed over. Leaves the handle closed on the
// last island table, writable and filtered. Returns the number of records written.
int importCsv(store::Database& database, store::Table& table, const TextLines& lines, const StartCounts& startCounts);
