#pragma once

#include <QPointF>
#include <QRectF>
#include <list>
#include <vector>

#include "map/coastline_file.h"

namespace maps {

// Runs of points in world pixels at one scale, thinned to what the scale shows, each with the
// rectangle around it so that a picture draws only the runs it shows.
struct ProjectedRuns {
    struct Run {
        int first;
        int count;
        int level;
        QRectF bounds;
    };
    std::vector<QPointF> points;
    std::vector<Run> runs;
};

struct ProjectedLayer {
    const CoastlineLayer* source = nullptr;
    double pixelsPerDegree = 0;
    ProjectedRuns areas;
    ProjectedRuns shores;
    ProjectedRuns borders;
};

// Projects a layer into world pixels at a scale: x = (longitude + 180) · scale, y = (90 −
// latitude) · scale. A point nearer than half a pixel to the last one kept is dropped, unless it
// ends its run or is pinned; runs too small to show are left out.
ProjectedLayer projectLayer(const CoastlineLayer& layer, double pixelsPerDegree);

// The layers projected for the last few scales, so that zooming back and forth and every pan
// reuse them instead of projecting the coastlines for each picture.
class ProjectionCache {
public:
    const ProjectedLayer& layerAt(const CoastlineLayer& layer, double pixelsPerDegree);

private:
    static constexpr size_t kKept = 3;
    std::list<ProjectedLayer> m_layers;  // the most recently used first
};

}  // namespace maps
