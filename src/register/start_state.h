#pragma once

#include <QString>
#include <array>

namespace store {
class Table;
}

// The record counts of the seven island tables and "Awards", all records, taken once at start:
// importers apply at most that many lines of a kind to a table.
using StartCounts = std::array<int, 8>;

// Counts each table of startCountTables() in turn (read-only, unfiltered) into `counts`, without
// reading their records, and leaves the handle closed with no table name and no filter. A failure
// leaves the counts taken so far, and the handle on the table that failed.
void countStartTables(store::Table& table, StartCounts& counts);

// The owner values and counts that the program and the CLI take at start.
struct StartState {
    StartCounts counts{};
    QString ownerCallsign;
    QString ownerDirectoryNo;
};

StartState readStartState(store::Table& table);
