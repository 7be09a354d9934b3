#include "map/map_renderer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "map/map_marks.h"

namespace maps {

namespace {

constexpr double kMargin = 8;
constexpr double kPadding = 6;
// The graticule's lines stand at least this far apart.
constexpr double kGraticuleSpacing = 60;
constexpr double kGraticuleSteps[] = {0.25, 0.5, 1, 2, 5, 10, 15, 30};
// The statuses in the order they are painted: what is still needed on top.
constexpr GroupStatus kPaintOrder[] = {GroupStatus::Deleted, GroupStatus::Approved, GroupStatus::Claimed,
                                       GroupStatus::Worked, GroupStatus::Needed};

QRectF pictureRect(const MapProjection& projection) {
    return QRectF(QPointF(0, 0), projection.picture());
}

// The globe's copies as rectangles of the picture, the space beyond the poles around them.
void paintGlobe(QPainter& painter, const MapScene& scene) {
    const MapProjection& projection = scene.projection;
    painter.fillRect(pictureRect(projection), scene.style.space);
    const QPointF origin = projection.pictureOrigin();
    for (const double shift : projection.copyShifts())
        painter.fillRect(
            QRectF(shift - origin.x(), -origin.y(), projection.worldWidth(), 180 * projection.pixelsPerDegree()),
            scene.style.sea);
}

template <typename Draw>
void forVisibleRuns(const ProjectedRuns& runs, const QRectF& visible, Draw draw) {
    for (const ProjectedRuns::Run& run : runs.runs)
        if (run.bounds.intersects(visible)) draw(run, runs.points.data() + run.first);
}

void paintGraticule(QPainter& painter, const MapScene& scene) {
    const MapProjection& projection = scene.projection;
    const double scale = projection.pixelsPerDegree();
    const double* step = std::find_if(std::begin(kGraticuleSteps), std::end(kGraticuleSteps),
                                      [&](double degrees) { return degrees * scale >= kGraticuleSpacing; });
    const double degrees = step == std::end(kGraticuleSteps) ? 30 : *step;
    const QRectF picture = pictureRect(projection);
    const QPointF origin = projection.pictureOrigin();
    painter.setPen(QPen(scene.style.graticule, 0));
    // In world pixels, unwrapped: a meridian every step across the picture, a parallel every step
    // between the poles.
    for (double x = std::ceil(origin.x() / scale / degrees) * degrees; x * scale < origin.x() + picture.width();
         x += degrees)
        painter.drawLine(QPointF(x * scale - origin.x(), std::max(0.0, -origin.y())),
                         QPointF(x * scale - origin.x(), std::min(picture.height(), 180 * scale - origin.y())));
    for (double y = 0; y <= 180; y += degrees) {
        const double pixel = y * scale - origin.y();
        if (pixel >= 0 && pixel <= picture.height())
            painter.drawLine(QPointF(0, pixel), QPointF(picture.width(), pixel));
    }
}

void paintGroups(QPainter& painter, const MapScene& scene) {
    painter.setBrush(Qt::NoBrush);
    for (const GroupStatus status : kPaintOrder) {
        QColor outline = scene.style.colourOf(status);
        outline.setAlpha(0xb0);
        painter.setPen(QPen(outline, 0));
        for (const MapGroup& group : scene.groups) {
            if (group.status != status || !group.place.box || !shows(scene.filter, group)) continue;
            for (const QRectF& rect : boxRects(scene.projection, *group.place.box))
                if (outlined(rect)) painter.drawRect(rect);
        }
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(scene.style.markerEdge, 1));
    for (const GroupStatus status : kPaintOrder) {
        const QPainterPath marker = markerPath(status, kMarkerRadius);
        painter.setBrush(scene.style.colourOf(status));
        for (const MapGroup& group : scene.groups) {
            if (group.status != status || !group.place.box || !shows(scene.filter, group)) continue;
            for (const QPointF& pixel : markerPixels(scene.projection, *group.place.box))
                painter.drawPath(marker.translated(pixel));
        }
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

// A panel of lines at a corner of the picture, each line after an optional marker.
void paintPanel(QPainter& painter, const MapScene& scene, const QStringList& lines,
                const std::vector<std::optional<GroupStatus>>& markers, Qt::Corner corner) {
    if (lines.isEmpty()) return;
    const QFontMetricsF metrics(painter.font());
    const double lineHeight = std::max(metrics.height(), 2 * kMarkerRadius + 4);
    const double markerWidth = markers.empty() ? 0 : 2 * kMarkerRadius + kPadding;
    double textWidth = 0;
    for (const QString& line : lines) textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
    const QSizeF size(2 * kPadding + markerWidth + textWidth, 2 * kPadding + lines.size() * lineHeight);
    const QSizeF picture = scene.projection.picture();
    const QPointF topLeft(kMargin, corner == Qt::TopLeftCorner ? kMargin : picture.height() - kMargin - size.height());
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(scene.style.panel);
    painter.drawRoundedRect(QRectF(topLeft, size), 4, 4);
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const QRectF row(topLeft + QPointF(kPadding, kPadding + index * lineHeight), QSizeF(size.width(), lineHeight));
        if (size_t(index) < markers.size() && markers[size_t(index)]) {
            painter.setPen(QPen(scene.style.markerEdge, 1));
            painter.setBrush(scene.style.colourOf(*markers[size_t(index)]));
            painter.drawPath(markerPath(*markers[size_t(index)], kMarkerRadius)
                                 .translated(row.left() + kMarkerRadius + 1, row.center().y()));
        }
        painter.setPen(scene.style.text);
        painter.drawText(row.adjusted(markerWidth, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, lines[index]);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void paintLegend(QPainter& painter, const MapScene& scene) {
    std::vector<std::optional<GroupStatus>> markers;
    for (const StatusKind& kind : statusKinds()) markers.push_back(kind.status);
    markers.push_back(std::nullopt);
    paintPanel(painter, scene, legendLines(countShown(scene.groups, scene.filter)), markers, Qt::BottomLeftCorner);
}

}  // namespace

void MapRenderer::paintCoastlines(QPainter& painter, const MapScene& scene, const CoastlineLayer& layer) {
    const MapProjection& projection = scene.projection;
    const ProjectedLayer& projected = m_cache.layerAt(layer, projection.pixelsPerDegree());
    const QPointF origin = projection.pictureOrigin();
    for (const double shift : projection.copyShifts()) {
        // The picture as world pixels of this copy of the globe.
        const QRectF visible = pictureRect(projection).translated(origin.x() - shift, origin.y());
        painter.save();
        painter.translate(shift - origin.x(), -origin.y());
        painter.setPen(Qt::NoPen);
        // Land on sea, a lake on land, an island on the lake, a pond on the island.
        for (int level = 1; level <= 4; ++level) {
            painter.setBrush(level % 2 == 1 ? scene.style.land : scene.style.sea);
            forVisibleRuns(projected.areas, visible, [&](const ProjectedRuns::Run& run, const QPointF* points) {
                if (run.level == level) painter.drawPolygon(points, run.count);
            });
        }
        painter.setBrush(Qt::NoBrush);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(scene.style.border, 0));
        forVisibleRuns(projected.borders, visible, [&](const ProjectedRuns::Run& run, const QPointF* points) {
            painter.drawPolyline(points, run.count);
        });
        painter.setPen(QPen(scene.style.shore, 0));
        forVisibleRuns(projected.shores, visible, [&](const ProjectedRuns::Run& run, const QPointF* points) {
            painter.drawPolyline(points, run.count);
        });
        painter.restore();
    }
}

void MapRenderer::paint(QPainter& painter, const MapScene& scene) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintGlobe(painter, scene);
    const AtlasLayer& atlas = m_atlas.layerFor(scene.projection.pixelsPerDegree());
    paintCoastlines(painter, scene, atlas.layer);
    paintGraticule(painter, scene);
    paintGroups(painter, scene);
    paintLegend(painter, scene);
    m_notes = atlas.problems;
    paintPanel(painter, scene, m_notes, {}, Qt::TopLeftCorner);
    painter.restore();
}

}  // namespace maps
