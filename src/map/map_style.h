#pragma once

#include <QColor>
#include <QPainterPath>
#include <array>

#include "map/map_groups.h"

class QPalette;

namespace maps {

// The colours of the map. Each status has a colour and a marker shape of its own: the five
// colours stay apart for eyes that tell red from green poorly (protanopia, deuteranopia) or blue
// from yellow (tritanopia), and the shapes tell them apart without colour. The markers' edge
// keeps each visible on land and sea alike.
struct MapStyle {
    QColor space;  // beyond the poles
    QColor sea;
    QColor land;
    QColor shore;
    QColor border;
    QColor graticule;  // on the sea
    QColor text;
    QColor panel;  // under the legend and the notes
    QColor markerEdge;
    std::array<QColor, 5> status;

    const QColor& colourOf(GroupStatus groupStatus) const { return status[static_cast<size_t>(groupStatus)]; }
};

const MapStyle& lightMapStyle();
const MapStyle& darkMapStyle();
// The style that goes with a palette: the dark one where windows are dark.
const MapStyle& mapStyleFor(const QPalette& palette);

// The marker of a status around (0, 0), of the given radius: needed a circle, worked a triangle,
// claimed a square, approved a diamond, deleted a cross.
QPainterPath markerPath(GroupStatus groupStatus, double radius);

}  // namespace maps
