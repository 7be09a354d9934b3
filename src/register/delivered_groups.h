#pragma once

#include <QString>
#include <vector>

#include "register/group_facts.h"

namespace store {
class Database;
}

// One group of the delivered table of groups: the reference, its group code (ABW: "A", "B", "W"
// or empty) and its facts.
struct DeliveredGroup {
    QString reference;
    QString group;
    GroupFacts facts;
};

// The table of groups built into the program (data/iota-groups.tsv, derived from the award
// programme's list by scripts/derive-group-facts), in reference order.
std::vector<DeliveredGroup> deliveredGroups();

// Gives the records of a new data folder their group codes and stores their groups' facts, for
// every delivered group that has a record; runs inside the transaction that fills the tables.
void applyDeliveredGroups(store::Database& database);
