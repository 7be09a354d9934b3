#include "map/map_marks.h"

#include <QLineF>
#include <algorithm>
#include <limits>

#include "map/group_places.h"

namespace maps {

namespace {

// The copies' shifts, with one more to the west for what runs east over the date line into view.
std::vector<double> shiftsWithWestNeighbour(const MapProjection& projection) {
    std::vector<double> shifts = projection.copyShifts();
    shifts.insert(shifts.begin(), shifts.front() - projection.worldWidth());
    return shifts;
}

}  // namespace

std::vector<QPointF> markerPixels(const MapProjection& projection, const GroupBox& box) {
    const QRectF picture(QPointF(0, 0), projection.picture());
    const QRectF reach = picture.adjusted(-kMarkerReach, -kMarkerReach, kMarkerReach, kMarkerReach);
    const QPointF world = projection.toWorld(boxCentre(box)) - projection.pictureOrigin();
    std::vector<QPointF> pixels;
    for (const double shift : shiftsWithWestNeighbour(projection)) {
        const QPointF pixel = world + QPointF(shift, 0);
        if (reach.contains(pixel)) pixels.push_back(pixel);
    }
    return pixels;
}

std::vector<QRectF> boxRects(const MapProjection& projection, const GroupBox& box) {
    const double scale = projection.pixelsPerDegree();
    const QPointF northWest =
        projection.toWorld(GeoPoint{box.west, std::max(box.north, box.south)}) - projection.pictureOrigin();
    const QRectF world(northWest, QSizeF(boxWidth(box) * scale, std::abs(box.north - box.south) * scale));
    const QRectF picture(QPointF(0, 0), projection.picture());
    std::vector<QRectF> rects;
    for (const double shift : shiftsWithWestNeighbour(projection)) {
        const QRectF rect = world.translated(shift, 0);
        if (rect.intersects(picture)) rects.push_back(rect);
    }
    return rects;
}

bool outlined(const QRectF& rect) {
    return rect.width() >= kOutlinedBoxSize || rect.height() >= kOutlinedBoxSize;
}

const MapGroup* groupAt(const std::vector<MapGroup>& groups, const MapFilter& filter, const MapProjection& projection,
                        QPointF pixel) {
    const MapGroup* nearest = nullptr;
    double nearestDistance = kMarkerReach;
    const MapGroup* smallest = nullptr;
    double smallestArea = std::numeric_limits<double>::infinity();
    for (const MapGroup& group : groups) {
        if (!group.place.box || !shows(filter, group)) continue;
        for (const QPointF& marker : markerPixels(projection, *group.place.box)) {
            const double distance = QLineF(marker, pixel).length();
            if (distance <= nearestDistance) {
                nearest = &group;
                nearestDistance = distance;
            }
        }
        for (const QRectF& rect : boxRects(projection, *group.place.box)) {
            const double area = rect.width() * rect.height();
            if (outlined(rect) && rect.contains(pixel) && area < smallestArea) {
                smallest = &group;
                smallestArea = area;
            }
        }
    }
    return nearest ? nearest : smallest;
}

}  // namespace maps
