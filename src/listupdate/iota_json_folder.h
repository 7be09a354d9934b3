#pragma once

#include <QString>

struct IotaJsonList;

// Creates the delivered data folder Data/ below a working folder from the award programme's JSON
// list instead of the Debian list: one record per number from 001 up to the highest listed number
// plus the padding, every listed group a needed record with its name, then the list applied as
// "import-list" applies it (group codes, boxes and DXCC numbers, groups marked deleted, rarity);
// all other numbers stay unallocated. The list is applied before the database is put in place,
// so it is whole or absent. Refuses, changing nothing, when a database is already there or the
// list names no group of a known continent. Returns the number of listed references.
int createDataFolderFromIotaList(const QString& workingFolder, const IotaJsonList& list, const QString& fileName);
