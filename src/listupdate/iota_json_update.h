#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "base/progress.h"
#include "exchange/island_rules.h"
#include "register/group_facts.h"

struct IotaGroup;
struct IotaJsonList;
namespace store {
class Database;
class Table;
}  // namespace store

// One island record that the award programme's list changes (or names as kept), as it is and as
// it will be: its island fields, its group code (ABW) and its group's facts.
struct IotaRecordChange {
    QString tableName;
    QString reference;
    IslandRecord before;
    IslandRecord after;
    QString groupBefore;
    QString groupAfter;
    GroupFacts factsBefore;
    GroupFacts factsAfter;

    bool changes() const { return before != after || groupBefore != groupAfter || factsBefore != factsAfter; }
};

// One field of a changed record, for a line of the preview.
struct IotaFieldChange {
    QString field;
    QString before;
    QString after;
};

// A list that names groups of all seven continents and at least this many groups is the
// programme's complete list: what it does not name has been withdrawn.
inline constexpr int kCompleteListGroups = 1000;

// What applying the list would do, worked out without writing. Each listed reference counts
// once, at its first group in the file: changed, unchanged, or unknown (no record, or no
// well-formed reference at all).
struct IotaListPlan {
    std::vector<IotaRecordChange> changes;  // the listed references' records that change, in reference order
    int unchanged = 0;
    int unknown = 0;
    QStringList unknownReferences;  // the unknown references that the list gives, in file order
    // The shares of credited members by the well-formed references that have one; "Rarity" is
    // replaced by them only when the list gives any, so a list without shares keeps it.
    QHash<QString, double> rarity;
    bool replacesRarity = false;
    // The list is complete; only then are records missing from it looked at.
    bool complete = false;
    // The records of ours that a complete list does not name, in reference order, unallocated and
    // deleted ones left out: a needed one becomes deleted, a worked, claimed or approved one is
    // kept as it is (its change changes nothing).
    std::vector<IotaRecordChange> absent;

    // The records written: the listed ones that change and the absent ones deleted.
    int changed() const;
};

// The record as a listed group leaves it, by the update rules of the island list update text:
// the group's name becomes Island; a group marked deleted becomes "D" with "DELETED" in Prefix
// and Island, its Call kept; a worked, claimed or approved record keeps Status and Call; any
// other becomes needed ("-") with an empty Call. Prefix otherwise stays, as the list has none.
// A group without a name keeps the Island it has. The name is cut to the field's size.
IslandRecord listedGroupRecord(const IotaGroup& group, const QString& tableName, const IslandRecord& before);

// The fields that differ between before and after: Status, Call, Prefix, Island, ABW, DXCC and
// Box (its text "west east south north"), in this order.
std::vector<IotaFieldChange> fieldChanges(const IotaRecordChange& change);

// What becomes of a record that the complete list does not name: "not in the programme's list:
// deleted", or "not in the programme's list: kept as " and its status.
QString absenceNote(const IotaRecordChange& change);

// Reads every island record and the groups' facts and works out what the list would change:
// the listed groups' names, deletion marks, group codes (where the list gives them) and facts
// (a box or DXCC numbers the list gives replace those stored), and against a complete list the
// records it does not name. Writes nothing; leaves the handle closed, unfiltered.
IotaListPlan planIotaListUpdate(store::Table& table, const IotaJsonList& list);

// Writes the plan's changes through the handle and replaces "Rarity" when the plan gives shares,
// in one write transaction: all of it is stored, or on a failure none of it. The progress hears
// the percentage of records written. Leaves the handle closed, unfiltered.
void applyIotaListPlan(store::Database& database, store::Table& table, const IotaListPlan& plan,
                       BatchProgress& progress = BatchProgress::none());

// The same writes inside a write transaction that the caller holds and commits, as the creation
// of a data folder from the list does.
void writeIotaListPlan(store::Database& database, store::Table& table, const IotaListPlan& plan,
                       BatchProgress& progress = BatchProgress::none());
