#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "map/map_groups.h"

namespace maps {

// Which groups the map shows: those passing any of the chosen display modes of the main window
// (bit i for displayModes()[i]), and of one group award only when one is chosen.
struct MapFilter {
    unsigned displayModes = 1;  // "all"
    std::optional<QString> groupCode;

    bool operator==(const MapFilter&) const = default;
};

bool shows(const MapFilter& filter, const MapGroup& group);

// The display modes by the names the command line gives them ("needed-worked" for "need (-/W)"),
// in the order of displayModes().
const std::array<QString, 10>& displayModeKeys();
// The filter bits of display modes named by their keys, separated by commas; none when a name is
// unknown.
std::optional<unsigned> displayModesOfKeys(const QString& keys);

// A group award the map can be narrowed to: its group code (ABW) and caption.
struct GroupAward {
    QString code;
    QString caption;
};

const std::array<GroupAward, 3>& groupAwards();

// What the legend counts: the groups shown in each status (placed on the map), and those shown
// that cannot be placed.
struct MapCounts {
    std::array<int, 5> placed{};
    std::vector<const MapGroup*> notPlaced;
};

MapCounts countShown(const std::vector<MapGroup>& groups, const MapFilter& filter);

// The legend's lines: "needed: 12" for each status, then "not placed: 3".
QStringList legendLines(const MapCounts& counts);

}  // namespace maps
