#include "map_folder.h"

#include "register/delivered_groups.h"
#include "register/store/database.h"

MapTestFolder::MapTestFolder() {
    {
        store::Database database(dataFolder());
        applyDeliveredGroups(database);
    }
    execute(
        "UPDATE \"IOTA-AF\" SET Status = 'A' WHERE IOTA = 'AF-001';"
        "UPDATE \"IOTA-AS\" SET Status = 'C' WHERE IOTA = 'AS-001';"
        "UPDATE \"IOTA-EU\" SET Status = 'A', Call = 'G/DL1ABC' WHERE IOTA = 'EU-005';"
        "UPDATE \"IOTA-EU\" SET Status = 'W', Call = 'EI/DL1ABC' WHERE IOTA = 'EU-007';"
        "UPDATE \"IOTA-EU\" SET Status = 'C' WHERE IOTA = 'EU-115';"
        "UPDATE \"IOTA-OC\" SET Status = 'W', Call = 'VK2/DL1ABC' WHERE IOTA = 'OC-001';"
        "UPDATE \"IOTA-SA\" SET Status = 'D' WHERE IOTA = 'SA-001';"
        "UPDATE \"IOTA-AN\" SET Call = '/UPD' WHERE IOTA = 'AN-002';");
}
