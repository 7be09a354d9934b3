#pragma once

#include "support/data_folder.h"

// The sample data folder with the delivered groups' codes and boxes, and these statuses:
//   AF-001 A; AS-001 C; EU-005 A (British Isles, call G/DL1ABC); EU-007 W (British Isles, call
//   EI/DL1ABC); EU-115 C (British Isles); OC-001 W (call VK2/DL1ABC); SA-001 D; AN-002 needed
//   with the call "/UPD" that the display mode "/Call (Update!)" finds. Every other listed record
//   is needed, every other number unallocated.
class MapTestFolder : public TestDataFolder {
public:
    MapTestFolder();
};
