#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "base/text_file.h"

class Clock;
namespace store {
class Database;
class Table;
}  // namespace store

// The checkpoint update file as composed from the tables, before it is written.
struct UpdateFile {
    QStringList lines;
    int islandLines = 0;
    int awardLines = 0;
};

// ExportIOTA: appends the island lines of the island table the handle has open, every record
// from the first in reference order, the last one included; an unallocated record gives none.
// Returns the number of lines appended.
int ExportIOTA(store::Table& table, QStringList& lines);

// Composes the whole update file from the tables: the header "KAYROLL  2.07", the owner lines
// (callsign and directory number as read at start, not the current rows), the island lines
// table by table from "IOTA-EU", then the award lines, every award record with a name. Only
// reads; leaves the handle closed, unfiltered.
UpdateFile composeUpdateFile(store::Table& table, const QString& ownerCallsign, const QString& ownerDirectoryNo,
                             const QString& dateText);

// The export: composes the file with the date text of the clock's moment, writes it complete
// or not at all (an earlier file of that name stays as it was when anything fails), and only
// then stores the date text in the owner row "Last exported". Leaves the handle closed on
// "Owner", unfiltered and writable. Fails naming the file or table that failed.
// `write` writes the finished lines into the file (writeTextFile, or a test's failing disk).
using WriteLines = std::function<void(const QString& fileName, const QStringList& lines)>;
UpdateFile exportUpdateFile(store::Database& database, store::Table& table, const QString& fileName,
                            const QString& ownerCallsign, const QString& ownerDirectoryNo, const Clock& clock,
                            const WriteLines& write = writeTextFile);

// The file name the save dialog proposes: the owner callsign as it stands, with ".upd", in the
// folder; a "/" or "\" of a portable callsign becomes "_" so the name stays in that folder.
QString proposedExportFileName(const QString& folder, const QString& ownerCallsign);
