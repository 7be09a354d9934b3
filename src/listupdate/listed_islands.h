#pragma once

#include <QStringList>

#include <vector>
#include "base/text_lines.h"

#include "register/iota_list.h"

// The references that the island lines of an update text list, with the prefix and name
// columns of their first line, in the order of the island kinds and then of the file. A
// reference listed twice counts once; lines that hold no listed reference (a reference that is
// not well-formed, or number 000) are passed over.
std::vector<ListedIsland> listedIslands(const TextLines& lines);

// Creates the delivered data folder Data/ below a working folder from an island list update
// text instead of the Debian list: one record per number from 001 up to the highest listed
// number plus the padding, then the update applied to it, so listed references are needed ones
// with the prefix and name of their last line, references listed as deleted are deleted, group
// lines set their groups and all other numbers stay unallocated. The update is applied before the
// database is put in place, so it is whole or absent. Refuses, changing nothing, when a database
// is already there. Returns the number of listed references.
int createDataFolderFromUpdate(const QString& workingFolder, const TextLines& lines);
