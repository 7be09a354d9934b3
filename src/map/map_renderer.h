#pragma once

#include <QPointF>
#include <QStringList>
#include <vector>

#include "map/coastline_atlas.h"
#include "map/map_filter.h"
#include "map/map_projection.h"
#include "map/map_style.h"
#include "map/projected_layer.h"

class QPainter;

namespace maps {

// What one picture of the map shows.
struct MapScene {
    const std::vector<MapGroup>& groups;
    MapFilter filter;
    MapProjection projection;
    const MapStyle& style;
};

// Paints the map into any painter (a widget, a QImage for PNG, a QPdfWriter): sea and land,
// the shorelines and national borders at the resolution that suits the scale, a graticule, each
// shown group's box outline and marker in the colour of its status, the legend counting them,
// and a note on anything that could not be drawn. The coastlines are projected once per scale
// and kept for the next pictures.
class MapRenderer {
public:
    explicit MapRenderer(CoastlineAtlas& atlas) : m_atlas(atlas) {}

    void paint(QPainter& painter, const MapScene& scene);
    // The two parts of the picture: the map below the groups (sea, land, coastlines, graticule),
    // which only moves while the view pans, and the groups, the legend and the notes over it.
    void paintBase(QPainter& painter, const MapScene& scene);
    void paintOverlay(QPainter& painter, const MapScene& scene);

    // The notes the last picture showed: what could not be drawn and why.
    const QStringList& notes() const { return m_notes; }

private:
    void paintCoastlines(QPainter& painter, const MapScene& scene, const CoastlineLayer& layer);

    CoastlineAtlas& m_atlas;
    ProjectionCache m_cache;
    std::vector<QPointF> m_points;  // a run's points as the painter takes them
    QStringList m_notes;
};

}  // namespace maps
