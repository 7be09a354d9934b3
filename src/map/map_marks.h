#pragma once

#include <QPointF>
#include <QRectF>
#include <vector>

#include "map/map_filter.h"
#include "map/map_projection.h"

namespace maps {

// The marker's radius in pixels, how near the mouse must come to it, and from how many pixels
// across a box's outline is drawn around the marker.
inline constexpr double kMarkerRadius = 4.5;
inline constexpr double kMarkerReach = 7;
inline constexpr double kOutlinedBoxSize = 6;

// The marker's places in the picture, one per copy of the globe it shows: the middle of the box.
std::vector<QPointF> markerPixels(const MapProjection& projection, const GroupBox& box);

// The box's rectangles in the picture, one per copy of the globe that shows part of it; a box
// across the date line is one rectangle running east over 180°.
std::vector<QRectF> boxRects(const MapProjection& projection, const GroupBox& box);

// Whether a box is large enough in the picture to draw its outline.
bool outlined(const QRectF& rect);

// The group shown under a pixel: the one whose marker is nearest within reach, else the one with
// the smallest outlined box holding the pixel; none when there is neither.
const MapGroup* groupAt(const std::vector<MapGroup>& groups, const MapFilter& filter, const MapProjection& projection,
                        QPointF pixel);

}  // namespace maps
