#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "register/group_facts.h"

// One group of the award programme's island list as its JSON files carry it. A field the
// file leaves out, or gives in a type other than the one client programs read, is absent; texts
// are trimmed of blanks at both ends.
struct IotaGroup {
    QString reference;               // "refno", trimmed and in capitals; empty when absent
    std::optional<QString> name;     // "name"; absent when empty
    std::optional<double> credited;  // "pc_credited": the percentage of members credited with the group
    // Marked deleted: the group's "deleted" is true (or 1, "1", "true", "yes"), its "status" is "D"
    // or "deleted", or it has sub_groups and every one of them has such a "status". Nothing else
    // counts, so a list without marks deletes nothing.
    bool deleted = false;
    // "grp_region" as the group code of ABW: "AI" "A", "BI" "B", "WI" "W", empty for none.
    std::optional<QString> group = std::nullopt;
    // "dxcc_num" as DXCC numbers joined by commas; absent unless it is such numbers.
    std::optional<QString> dxcc = std::nullopt;
    // The box of "latitude_min", "latitude_max", "longitude_min", "longitude_max" as it lies;
    // absent unless all four are numbers on the globe.
    std::optional<GroupBox> box = std::nullopt;
};

// The award programme's island list: groups.json (an array of groups) or fulllist.json (the same
// groups, each with its sub_groups and islands), the groups in file order.
struct IotaJsonList {
    std::vector<IotaGroup> groups;
};

// The largest list file read; the full list with every island is a few MiB.
inline constexpr qint64 kMaxIotaListBytes = 64 * 1024 * 1024;

// Reads the list from its bytes; the file name goes into the messages. Fails naming the file and
// the fault when the bytes are no JSON, the document is no array of objects, no entry has a
// "refno" (a JSON file of something else), or a group has a "grp_region" the programme does not
// use (naming the group and the value). Other fields are ignored.
IotaJsonList parseIotaJsonList(const QByteArray& bytes, const QString& fileName);

// Reads the list from a file. Also fails, before reading, when no regular file stands under the
// name or the file is larger than kMaxIotaListBytes.
IotaJsonList readIotaJsonList(const QString& fileName);

// Whether a file holds JSON rather than an island list update text: its first character other
// than a blank or byte order mark opens a JSON array or object.
bool looksLikeJson(const QString& fileName);
