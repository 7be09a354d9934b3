#pragma once

#include <QHash>
#include <QString>

namespace store {
class Database;
}

// The table "Rarity" (IOTA TEXT PRIMARY KEY, Credited REAL): for each reference the percentage
// of the award programme's members credited with it, as its island list gives it. It stands
// beside the nine tables, which stay as they are; a data folder made before it has none until
// the first list with rarity is imported.

// Replaces the whole table by the shares given, creating it when the data folder has none yet.
// Runs inside the caller's write transaction.
void replaceRarity(store::Database& database, const QHash<QString, double>& credited);

// The shares by reference; empty when the data folder has no table "Rarity" or it is empty.
QHash<QString, double> readRarity(store::Database& database);
