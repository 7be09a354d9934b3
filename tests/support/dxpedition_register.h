#pragma once

#include <vector>

#include "cluster/spot_line.h"
#include "register/iota_list.h"

class TestDataFolder;

// The islands of the real spot archives' DXpeditions, and Great Britain.
extern const std::vector<ListedIsland> kDxpeditionIslands;

// A register of them owned by G3ABC: AS-004 (Cyprus) and EU-005 needed, NA-103 (Montserrat)
// worked, OC-001 approved.
void prepareDxpeditionRegister(TestDataFolder& folder);

// A spot of the DX call by a skimmer on 40 m at 0704Z, with the comment.
Spot handMadeSpot(const QString& dxCall, const QString& comment);
