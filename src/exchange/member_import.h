#pragma once

#include <QString>
#include <QStringList>

#include "base/text_lines.h"
#include "exchange/gauge.h"
#include "register/start_state.h"

namespace store {
class Database;
class Table;
}  // namespace store

// What a member file import changed, for a summary line.
struct MemberImportResult {
    int ownerRows = 0;    // owner rows written, every one of the owner phase
    int awardLines = 0;   // award lines that found their record
    int islandLines = 0;  // island lines that changed their record
    int groupLines = 0;   // group lines that set a record's group
    int passedOver = 0;   // award, island and group lines that changed nothing
};

// Reads the member file whole into its lines before any table is written. Shows the caption
// "Importing owner data" with the gauge at 0, and 12 once the file is read. Fails naming the
// file when it cannot be read (readTextLines) or when no line begins with a keyword of the
// member file: such a file is no member file, and its import would empty every owner row.
TextLines readMemberFile(const QString& fileName, Gauge& gauge);

// Makes the tables agree with the lines of a member file, in one write transaction: the owner
// phase (every owner row the file can carry, a missing keyword emptying its row), the award
// phase (award line k into the "Awards" record No k, for k up to the start count), the island
// phase over the thirteen record kinds (island line rules, group codes), each line kind bounded
// by its table's start count. The gauge goes on from where the reading left it, reaches 100
// before the island phase, and shows each kind's caption and climb. A failing table operation
// ends the import; what was posted before it stays written. Leaves the handle closed on
// "IOTA-SA", unfiltered and writable.
MemberImportResult importMemberLines(store::Database& database, store::Table& table, const TextLines& lines,
                                     const StartCounts& counts, Gauge& gauge);

// The whole import of a member file: reads it, then imports its lines. The listener hears the
// gauge value and caption whenever they change (the main window routes them to Progress and
// GroupLabel).
MemberImportResult importMemberFile(store::Database& database, store::Table& table, const QString& fileName,
                                    const StartCounts& counts, BatchProgress& progress = BatchProgress::none());
