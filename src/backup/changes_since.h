#pragma once

#include <QString>
#include <map>

struct sqlite3;

namespace backup {

// The island records per status code over the seven island tables.
using StatusCounts = std::map<QString, int>;

StatusCounts statusCounts(sqlite3* db);

// What changed since a backup, status by status, against the current tables: "A 12 → 15, C 3 → 0";
// "no change" when every count is the same.
QString changesSince(const StatusCounts& inBackup, const StatusCounts& now);

}  // namespace backup
