#include "map/projected_layer.h"

#include <algorithm>
#include <cmath>

namespace maps {

namespace {

constexpr float kThinning = 0.75f;

// Projects into vectors that may hold an earlier scale's points: their memory is reused as it is,
// which spares the allocation, the page faults and a copy to fit.
void projectRuns(const PointRuns& source, double scale, ProjectedRuns& projected) {
    projected.points.clear();
    projected.runs.clear();
    projected.points.reserve(source.points.size());
    const float factor = float(scale);
    const bool areas = !source.pinned.empty();
    const size_t fewest = areas ? 3 : 2;  // a line needs two points, an area three
    for (const PointRuns::Run& run : source.runs) {
        const size_t first = projected.points.size();
        const int last = run.first + run.count - 1;
        WorldPoint kept{-1e9f, -1e9f};
        for (int index = run.first; index <= last; ++index) {
            const Degrees& degrees = source.points[size_t(index)];
            const WorldPoint point{(degrees.longitude + 180) * factor, (90 - degrees.latitude) * factor};
            if (std::abs(point.x - kept.x) < kThinning && std::abs(point.y - kept.y) < kThinning && index != last &&
                !(areas && source.pinned[size_t(index)]))
                continue;
            projected.points.push_back(point);
            kept = point;
        }
        const size_t count = projected.points.size() - first;
        if (count < fewest) {
            projected.points.resize(first);
            continue;
        }
        // A pixel round the run, so that a straight north-south border still has an area to meet.
        projected.runs.push_back({int(first), int(count), run.level, run.allShore, (run.west + 180) * factor - 1,
                                  (90 - run.north) * factor - 1, (run.east + 180) * factor + 1,
                                  (90 - run.south) * factor + 1});
    }
}

}  // namespace

void projectLayer(const CoastlineLayer& layer, double pixelsPerDegree, ProjectedLayer& projected) {
    projected.source = &layer;
    projected.pixelsPerDegree = pixelsPerDegree;
    projectRuns(layer.areas, pixelsPerDegree, projected.areas);
    projectRuns(layer.shores, pixelsPerDegree, projected.shores);
    projectRuns(layer.borders, pixelsPerDegree, projected.borders);
}

const ProjectedLayer& ProjectionCache::layerAt(const CoastlineLayer& layer, double pixelsPerDegree) {
    for (auto it = m_layers.begin(); it != m_layers.end(); ++it) {
        if (it->source != &layer || it->pixelsPerDegree != pixelsPerDegree) continue;
        m_layers.splice(m_layers.begin(), m_layers, it);
        return m_layers.front();
    }
    // The least recently used scale makes room, its memory taken for the new one.
    if (m_layers.size() == kKept)
        m_layers.splice(m_layers.begin(), m_layers, std::prev(m_layers.end()));
    else
        m_layers.emplace_front();
    projectLayer(layer, pixelsPerDegree, m_layers.front());
    return m_layers.front();
}

}  // namespace maps
