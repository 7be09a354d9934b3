#pragma once

#include <QString>

#include "base/clock.h"

namespace store {
class Database;
}

namespace backup {

// Whether the data folder's database can take a backup's tables the ordinary way: it opens and
// passes SQLite's quick check. One that is missing, empty, no database or damaged cannot; a
// folder another program holds fails as it does for every command.
bool databaseIsSound(store::Database& db);

// Puts a copy of the backup file in place of a database that is missing or spoilt. The spoilt
// file is never deleted: it is moved aside as "skerrydesk.db.damaged-DATE" (with its log files
// beside it under the same name), and the copy, written whole and synced first, is renamed into
// its place. Gives the name it was moved aside under, empty when there was none.
QString replaceDatabase(store::Database& db, const QString& backupFile, const Clock& clock);

}  // namespace backup
