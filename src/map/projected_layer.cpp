#include "map/projected_layer.h"

#include <cmath>

namespace maps {

namespace {

constexpr double kThinning = 0.5;

void projectRuns(const PointRuns& source, double scale, ProjectedRuns& projected) {
    projected.points.reserve(source.points.size() / 2);
    const int fewest = source.pinned.empty() ? 2 : 3;  // a line needs two points, an area three
    for (const PointRuns::Run& run : source.runs) {
        const int first = int(projected.points.size());
        QPointF kept;
        double left = INFINITY, top = INFINITY, right = -INFINITY, bottom = -INFINITY;
        for (int index = run.first; index < run.first + run.count; ++index) {
            const QPointF& degrees = source.points[size_t(index)];
            const QPointF point((degrees.x() + 180) * scale, (90 - degrees.y()) * scale);
            const bool pinned = index == run.first || index + 1 == run.first + run.count ||
                                (!source.pinned.empty() && source.pinned[size_t(index)]);
            if (!pinned && std::abs(point.x() - kept.x()) < kThinning && std::abs(point.y() - kept.y()) < kThinning)
                continue;
            projected.points.push_back(point);
            kept = point;
            left = std::min(left, point.x());
            right = std::max(right, point.x());
            top = std::min(top, point.y());
            bottom = std::max(bottom, point.y());
        }
        const int count = int(projected.points.size()) - first;
        if (count < fewest) {
            projected.points.resize(size_t(first));
            continue;
        }
        // A pixel round the run, so that a straight north-south border still has an area to meet.
        projected.runs.push_back(
            {first, count, run.level, QRectF(left - 1, top - 1, right - left + 2, bottom - top + 2)});
    }
    projected.points.shrink_to_fit();
}

}  // namespace

ProjectedLayer projectLayer(const CoastlineLayer& layer, double pixelsPerDegree) {
    ProjectedLayer projected;
    projected.source = &layer;
    projected.pixelsPerDegree = pixelsPerDegree;
    projectRuns(layer.areas, pixelsPerDegree, projected.areas);
    projectRuns(layer.shores, pixelsPerDegree, projected.shores);
    projectRuns(layer.borders, pixelsPerDegree, projected.borders);
    return projected;
}

const ProjectedLayer& ProjectionCache::layerAt(const CoastlineLayer& layer, double pixelsPerDegree) {
    for (auto it = m_layers.begin(); it != m_layers.end(); ++it) {
        if (it->source != &layer || it->pixelsPerDegree != pixelsPerDegree) continue;
        m_layers.splice(m_layers.begin(), m_layers, it);
        return m_layers.front();
    }
    m_layers.push_front(projectLayer(layer, pixelsPerDegree));
    if (m_layers.size() > kKept) m_layers.pop_back();
    return m_layers.front();
}

}  // namespace maps
