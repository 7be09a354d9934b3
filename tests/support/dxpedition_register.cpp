#include "support/dxpedition_register.h"

#include "support/data_folder.h"

const std::vector<ListedIsland> kDxpeditionIslands = {{"AS-004", "Cyprus", "5B"},
                                                      {"NA-103", "Montserrat", "VP2M"},
                                                      {"OC-001", "Australia", "VK"},
                                                      {"EU-005", "Great Britain", "G"}};

void prepareDxpeditionRegister(TestDataFolder& folder) {
    folder.execute("UPDATE \"IOTA-NA\" SET Status = 'W' WHERE IOTA = 'NA-103'");
    folder.execute("UPDATE \"IOTA-OC\" SET Status = 'A' WHERE IOTA = 'OC-001'");
    folder.setOwnerValue("Callsign", "G3ABC");
}

Spot handMadeSpot(const QString& dxCall, const QString& comment) {
    Spot spot;
    spot.spotter = "K1ABC-#";
    spot.kHz = 7025.5;
    spot.dxCall = dxCall;
    spot.comment = comment;
    spot.time = "0704Z";
    return spot;
}
