#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "base/progress.h"
#include "exchange/island_rules.h"

struct IotaGroup;
struct IotaJsonList;
namespace store {
class Database;
class Table;
}  // namespace store

// One island record that the award programme's list changes, as it is and as it will be.
struct IotaRecordChange {
    QString tableName;
    QString reference;
    IslandRecord before;
    IslandRecord after;
};

// One field of a changed record, for a line of the preview.
struct IotaFieldChange {
    QString field;
    QString before;
    QString after;
};

// What applying the list would do, worked out without writing. Each listed reference counts
// once, at its first group in the file: changed, unchanged, or unknown (no record, or no
// well-formed reference at all).
struct IotaListPlan {
    std::vector<IotaRecordChange> changes;  // in reference order
    int unchanged = 0;
    int unknown = 0;
    QStringList unknownReferences;  // the unknown references that the list gives, in file order
    // The shares of credited members by the well-formed references that have one; "Rarity" is
    // replaced by them only when the list gives any, so a list without shares keeps it.
    QHash<QString, double> rarity;
    bool replacesRarity = false;

    int changed() const { return int(changes.size()); }
};

// The record as a listed group leaves it, by the update rules of the island list update text:
// the group's name becomes Island; a group marked deleted becomes "D" with "DELETED" in Prefix
// and Island, its Call kept; a worked, claimed or approved record keeps Status and Call; any
// other becomes needed ("-") with an empty Call. Prefix otherwise stays, as the list has none.
// A group without a name keeps the Island it has. The name is cut to the field's size.
IslandRecord listedGroupRecord(const IotaGroup& group, const QString& tableName, const IslandRecord& before);

// The fields that differ between before and after: Status, Call, Prefix, Island, in this order.
std::vector<IotaFieldChange> fieldChanges(const IotaRecordChange& change);

// Reads every island record through the handle and works out what the list would change.
// Writes nothing; leaves the handle closed, unfiltered.
IotaListPlan planIotaListUpdate(store::Table& table, const IotaJsonList& list);

// Writes the plan's changes through the handle and replaces "Rarity" when the plan gives shares,
// in one write transaction: all of it is stored, or on a failure none of it. The progress hears
// the percentage of records written. Leaves the handle closed, unfiltered.
void applyIotaListPlan(store::Database& database, store::Table& table, const IotaListPlan& plan,
                       BatchProgress& progress = BatchProgress::none());
