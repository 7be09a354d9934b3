#include "map/map_filter.h"

#include <algorithm>

#include "register/codes.h"
#include "register/display_modes.h"

namespace maps {

namespace {

// Whether a record's table is one of those the group views of its award show (OC-001 marked
// Arctic is in no view of the Arctic Islands).
bool inGroupViews(const QString& groupCode, const QString& tableName) {
    const auto& views = groupViews();
    return std::any_of(views.begin(), views.end(), [&](const GroupView& view) {
        return view.groupCode == groupCode && view.tableName == tableName;
    });
}

}  // namespace

bool shows(const MapFilter& filter, const MapGroup& group) {
    if ((group.displayModes & filter.displayModes) == 0) return false;
    return !filter.groupCode ||
           (group.groupCode == *filter.groupCode && inGroupViews(group.groupCode, group.tableName));
}

const std::array<QString, 10>& displayModeKeys() {
    // One per row of displayModes(), in its order: all, A/C, C, A, D, need (-), W, A/C/W,
    // need (-/W), /Call (Update!).
    static const std::array<QString, 10> keys{
        "all",    "approved-claimed",        "claimed",       "approved",    "deleted", "needed",
        "worked", "approved-claimed-worked", "needed-worked", "call-update",
    };
    static_assert(std::tuple_size_v<std::remove_reference_t<decltype(displayModes())>> == keys.size());
    return keys;
}

std::optional<unsigned> displayModesOfKeys(const QString& keys) {
    unsigned modes = 0;
    for (const QString& key : keys.split(u',')) {
        const auto& known = displayModeKeys();
        const auto found = std::find(known.begin(), known.end(), key.trimmed());
        if (found == known.end()) return std::nullopt;
        modes |= 1u << (found - known.begin());
    }
    return modes;
}

const std::array<GroupAward, 3>& groupAwards() {
    static const std::array<GroupAward, 3> awards{{
        {group::Arctic, QStringLiteral("Arctic Islands")},
        {group::BritishIsles, QStringLiteral("British Isles")},
        {group::WestIndies, QStringLiteral("West Indies")},
    }};
    return awards;
}

MapCounts countShown(const std::vector<MapGroup>& groups, const MapFilter& filter) {
    MapCounts counts;
    for (const MapGroup& group : groups) {
        if (!shows(filter, group)) continue;
        if (group.place.box)
            ++counts.placed[static_cast<size_t>(*group.status)];
        else
            counts.notPlaced.push_back(&group);
    }
    return counts;
}

QStringList legendLines(const MapCounts& counts) {
    QStringList lines;
    for (const StatusKind& kind : statusKinds())
        lines << QStringLiteral("%1: %2").arg(kind.name).arg(counts.placed[static_cast<size_t>(kind.status)]);
    lines << QStringLiteral("not placed: %1").arg(counts.notPlaced.size());
    return lines;
}

}  // namespace maps
