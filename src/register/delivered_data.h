#pragma once

#include <QString>
#include <vector>

#include "register/iota_list.h"

// Unallocated numbers added after the highest listed number of each continent, so that
// new references of the programme find their record.
inline constexpr int kUnallocatedPadding = 25;

// Creates the delivered data folder Data/ below a working folder: every owner row empty, one
// island record per number from 001 up to the highest listed number plus the padding ("-" with
// name and prefix when listed, "U" otherwise), one row per award not yet held. Refuses, changing
// nothing, when the folder already holds a database; a failure half-way leaves no database behind.
void createDeliveredDataFolder(const QString& workingFolder, const std::vector<ListedIsland>& islands);
