#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "map/group_places.h"

namespace store {
class Database;
}

namespace maps {

// The statuses a group is drawn in, in the order the legend lists them.
enum class GroupStatus { Needed, Worked, Claimed, Approved, Deleted };

struct StatusKind {
    GroupStatus status;
    QString code;  // the record's Status
    QString name;  // as the legend names it
};

const std::array<StatusKind, 5>& statusKinds();
const StatusKind& statusKind(GroupStatus status);
// The status of a record's Status code; none for a code other than the five ("U", empty).
std::optional<GroupStatus> statusOfCode(const QString& code);

// One island record as the map shows it: the record's own fields, its status, where its group's
// box puts it, and which display modes of the main window it passes.
struct MapGroup {
    QString reference;
    QString name;
    QString call;
    QString groupCode;  // ABW
    QString tableName;
    std::optional<GroupStatus> status;  // none for a code other than the five
    GroupPlace place;
    unsigned displayModes = 0;  // bit i set: shown by displayModes()[i]
};

// What the map tells of a group when the mouse rests on it: reference and name, status, call.
QString groupSummary(const MapGroup& group);

// Every allocated record of the seven island tables (all but status "U"), in table and key
// order, with the box the table "Groups" holds for its reference. A record whose status is none
// of the five is not placed, the reason naming its status.
std::vector<MapGroup> readMapGroups(store::Database& database);

}  // namespace maps
