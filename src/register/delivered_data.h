#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "register/iota_list.h"

namespace store {
class Database;
}

// Unallocated numbers added after the highest listed number of each continent, so that
// new references of the programme find their record; never beyond number 999.
inline constexpr int kUnallocatedPadding = 25;

// A last step on the filled tables of a new data folder, inside the transaction that fills them.
using FinishNewTables = std::function<void(store::Database&)>;

// Creates the delivered data folder Data/ below a working folder: every owner row empty, one
// island record per number from 001 up to the highest listed number plus the padding ("-" with
// name and prefix when listed, "U" otherwise), one row per award not yet held, then `finish`.
// The database is built, checked and written out whole in a build folder of its own and only
// then renamed into place, so Data/skerrydesk.db is whole or absent, even when the process is
// killed. Build folders left by processes that no longer run are removed. Refuses, changing
// nothing, when the folder already holds a database.
void createDeliveredDataFolder(const QString& workingFolder, const std::vector<ListedIsland>& islands,
                               const FinishNewTables& finish = {});

// Creates the delivered data folder from Debian's IOTA list, as "skerrydesk-cli init" and so the
// first start do: every listed reference needed, then the delivered table of groups gives the
// records their group codes and stores the groups' boxes. Fails, creating nothing, when the list
// is missing or lists no reference. Returns the number of listed references.
int createDataFolderFromDebianList(const QString& workingFolder);

// Removes the build folders that creations killed on the way left in a data folder; those of a
// creation still at work stay. Every start on the folder runs it, so that a creation killed
// between placing its database and removing its build folder leaves nothing for long.
void removeAbandonedBuildFolders(const QString& dataFolder);
