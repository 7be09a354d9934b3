#pragma once

#include <QString>

struct sqlite3;

namespace backup {

// Copies the open database page by page with SQLite's online backup API into a new file. The copy
// is written under a temporary name beside it, synced to the disk and only then renamed, so that
// a kill never leaves half a copy under a backup's name. Fails naming the folder and the reason,
// leaving nothing behind.
void copyToFile(sqlite3* source, const QString& fileName);

// Copies a backup file into the open database in one transaction of its own, so that a kill
// leaves the tables either as they were or as in the backup.
void copyIntoDatabase(const QString& fileName, sqlite3* target);

}  // namespace backup
