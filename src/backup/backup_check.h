#pragma once

#include <QString>

namespace backup {

// Refuses a backup that could not stand in for the tables: one that SQLite's integrity check
// finds damaged, or that lacks one of the nine tables or one of their fields. Further tables
// are allowed. The failure names the backup and what is wrong with it.
void checkBackup(const QString& fileName);

}  // namespace backup
