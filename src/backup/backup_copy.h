#pragma once

#include <QString>
#include <functional>

struct sqlite3;

namespace backup {

// Copies the open database page by page with SQLite's online backup API into a new file. The copy
// is written under a temporary name beside it, synced to the disk and only then renamed, so that
// a kill never leaves half a copy under a backup's name. The copy stands alone: no log is ever
// opened beside it. Fails naming the folder and the reason (a full disk as a full disk), leaving
// nothing behind.
void copyToFile(sqlite3* source, const QString& fileName);

// Copies a backup file into the open database in one transaction of its own, so that a kill
// leaves the tables either as they were or as in the backup.
void copyIntoDatabase(const QString& fileName, sqlite3* target);

// Copies a file whole under a temporary name beside `target` and syncs it, then runs
// `beforeRename` (which may move the file at `target` away) and renames the copy to `target`.
// Fails naming both files and the reason, leaving no temporary copy behind.
void placeCopyOfFile(const QString& source, const QString& target, const std::function<void()>& beforeRename);

}  // namespace backup
