#include "map/group_places.h"

#include <cmath>

namespace maps {

namespace {

QString edgesText(const GroupBox& box) {
    return QStringLiteral("west %1, east %2, south %3, north %4")
        .arg(box.west)
        .arg(box.east)
        .arg(box.south)
        .arg(box.north);
}

}  // namespace

GroupPlace placeOf(const std::optional<GroupBox>& box) {
    if (!box) return {std::nullopt, QStringLiteral("no box")};
    for (const double edge : {box->west, box->east, box->south, box->north})
        if (!std::isfinite(edge)) return {std::nullopt, QStringLiteral("box not a number (%1)").arg(edgesText(*box))};
    for (const double longitude : {box->west, box->east})
        if (std::abs(longitude) > 180)
            return {std::nullopt, QStringLiteral("box outside the globe (%1)").arg(edgesText(*box))};
    for (const double latitude : {box->south, box->north})
        if (std::abs(latitude) > 90)
            return {std::nullopt, QStringLiteral("box outside the globe (%1)").arg(edgesText(*box))};
    return {box, QString()};
}

double boxWidth(const GroupBox& box) {
    return box.west > box.east ? box.east - box.west + 360 : box.east - box.west;
}

GeoPoint boxCentre(const GroupBox& box) {
    return {normalLongitude(box.west + boxWidth(box) / 2), (box.south + box.north) / 2};
}

}  // namespace maps
