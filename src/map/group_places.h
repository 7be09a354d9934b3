#pragma once

#include <QString>
#include <optional>

#include "map/map_projection.h"
#include "register/group_facts.h"

namespace maps {

// Where a group is drawn: its box as stored, or why it cannot be placed.
struct GroupPlace {
    std::optional<GroupBox> box;
    QString notPlacedReason;  // empty when placed
};

// The place of a stored box: none without one, or when an edge is not a number or lies off the
// globe (latitudes beyond ±90, longitudes beyond ±180), with the reason.
GroupPlace placeOf(const std::optional<GroupBox>& box);

// The box's width in degrees of longitude, counted eastwards from its west edge: over the date
// line for a box whose west edge lies east of its east edge, 360 for the whole circle.
double boxWidth(const GroupBox& box);

// The middle of a box, where its marker stands.
GeoPoint boxCentre(const GroupBox& box);

}  // namespace maps
