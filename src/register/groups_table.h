#pragma once

#include <QHash>
#include <QString>

#include "register/group_facts.h"

namespace store {
class Database;
}

// The table "Groups" beside the nine: for each reference what the award programme's list says of
// its group, the DXCC numbers and the box. It is filled from the delivered table of groups when
// a data folder is made and brought up to date by each import of the programme's JSON list.

// Stores the facts of one group in place of those stored, inside the caller's write transaction.
void writeGroupFacts(store::Database& database, const QString& reference, const GroupFacts& facts);

// The stored facts by reference: the boxes to draw on a map. An edge stored as anything but a
// number reads as NaN; a box without any edge is none.
QHash<QString, GroupFacts> readGroupFacts(store::Database& database);
