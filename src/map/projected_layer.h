#pragma once

#include <QRectF>
#include <list>
#include <vector>

#include "map/coastline_file.h"

namespace maps {

// A point in world pixels, in single precision (a hundredth of a pixel at the finest scale).
struct WorldPoint {
    float x;
    float y;
};

// Runs of points in world pixels at one scale, thinned to what the scale shows, each with the
// rectangle around it so that a picture draws only the runs it shows.
struct ProjectedRuns {
    struct Run {
        int first;
        int count;
        int level;
        bool allShore;
        float left, top, right, bottom;

        bool meets(const QRectF& rect) const {
            return left < rect.right() && right > rect.left() && top < rect.bottom() && bottom > rect.top();
        }
    };
    std::vector<WorldPoint> points;
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
// latitude) · scale. A point within three quarters of a pixel of the last one kept is dropped,
// unless it ends its run or is pinned; runs too small to show are left out. What `projected` held
// before is replaced.
void projectLayer(const CoastlineLayer& layer, double pixelsPerDegree, ProjectedLayer& projected);

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
