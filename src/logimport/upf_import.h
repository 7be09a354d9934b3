#pragma once

#include <QStringList>

#include "base/progress.h"
#include "base/text_lines.h"
#include "logimport/upf_decision.h"

namespace store {
class Database;
class Table;
}  // namespace store

// Told the gauge position as each continent pass starts: 14, 28, 42, 56, 70, 84 and 98.

// Carries the contacts of a UPF file into the seven island tables, one continent pass at a
// time in the order AF to SA, inside one write transaction. A line belongs to every continent
// whose code its word 1 holds; its reference is normalised for that continent, and its record
// gets callsign, status and comment as the import mode's decision table says. Of several lines
// of one reference only the first that names a contact counts; references without a record
// and lines of no continent are passed over. Leaves the handle closed on the last island
// table, writable and filtered. Returns the number of records written.
int importUpf(store::Database& database, store::Table& table, const TextLines& lines, ImportMode mode,
              BatchProgress& progress = BatchProgress::none());
