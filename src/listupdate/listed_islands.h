#pragma once

#include <QStringList>
#include <vector>

#include "register/iota_list.h"

// The references that the island lines of an update text list, with the prefix and name
// columns of their first line, in the order of the island kinds and then of the file. A
// reference listed twice counts once; lines whose reference is not well-formed are passed over.
std::vector<ListedIsland> listedIslands(const QStringList& lines);

// Creates the delivered data folder Data/ below a working folder from an island list update
// text instead of the Debian list: one record per number from 001 up to the highest listed
// number plus the padding, then the update applied to it, so listed references are needed ones
// with the prefix and name of their last line, references listed as deleted are deleted, group lines set their
// groups and all other numbers stay unallocated. Refuses, changing nothing, when a database is
// already there; a failure half-way leaves none behind. Returns the number of listed references.
int createDataFolderFromUpdate(const QString& workingFolder, const QStringList& lines);
