#include "map/map_renderer.h"

#include <QFontMetricsF>
#include <QPaintEngine>
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

// Calls `draw` with the points of each run that the visible rectangle meets and `wanted` takes, in
// the painter's double precision (in `points`, kept for the next run).
template <typename Wanted, typename Draw>
void forVisibleRuns(const ProjectedRuns& runs, const QRectF& visible, Wanted wanted, std::vector<QPointF>& points,
                    Draw draw) {
    for (const ProjectedRuns::Run& run : runs.runs) {
        if (!wanted(run) || !run.meets(visible)) continue;
        points.resize(size_t(run.count));
        for (int index = 0; index < run.count; ++index) {
            const WorldPoint& point = runs.points[size_t(run.first + index)];
            points[size_t(index)] = QPointF(point.x, point.y);
        }
        draw(points.data(), run.count);
    }
}

void paintGraticule(QPainter& painter, const MapScene& scene) {
    const MapProjection& projection = scene.projection;
    const double scale = projection.pixelsPerDegree();
    const double* step = std::find_if(std::begin(kGraticuleSteps), std::end(kGraticuleSteps),
                                      [&](double degrees) { return degrees * scale >= kGraticuleSpacing; });
    const double degrees = step == std::end(kGraticuleSteps) ? 30 : *step;
    const QRectF picture = pictureRect(projection);
    const QPointF origin = projection.pictureOrigin();
    // In world pixels, unwrapped: a meridian every step across the picture, a parallel every step
    // between the poles; drawn in one call.
    std::vector<QLineF> lines;
    for (double x = std::ceil(origin.x() / scale / degrees) * degrees; x * scale < origin.x() + picture.width();
         x += degrees)
        lines.emplace_back(QPointF(x * scale - origin.x(), std::max(0.0, -origin.y())),
                           QPointF(x * scale - origin.x(), std::min(picture.height(), 180 * scale - origin.y())));
    for (double y = 0; y <= 180; y += degrees) {
        const double pixel = y * scale - origin.y();
        if (pixel >= 0 && pixel <= picture.height())
            lines.emplace_back(QPointF(0, pixel), QPointF(picture.width(), pixel));
    }
    painter.setPen(QPen(scene.style.graticule, 0));
    painter.drawLines(lines.data(), int(lines.size()));
}

// Draws the markers. On a raster device (the window, a PNG) each status's marker is painted once
// into a small image and stamped: filling its outline anew for each of a thousand groups takes
// several times longer. A vector device (a PDF) gets the outlines.
class MarkerStamps {
public:
    MarkerStamps(QPainter& painter, const MapStyle& style)
        : m_painter(painter), m_style(style), m_raster(painter.paintEngine()->type() == QPaintEngine::Raster) {
        if (!m_raster) return;
        const double ratio = painter.device()->devicePixelRatioF();
        for (const StatusKind& kind : statusKinds()) {
            QImage& image = m_images[size_t(kind.status)];
            image = QImage(QSize(int(std::ceil(2 * kHalf * ratio)), int(std::ceil(2 * kHalf * ratio))),
                           QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::transparent);
            QPainter stamp(&image);
            outline(stamp, kind.status, QPointF(kHalf, kHalf));
        }
    }

    void draw(GroupStatus status, QPointF centre) {
        if (m_raster)
            m_painter.drawImage(centre - QPointF(kHalf, kHalf), m_images[size_t(status)]);
        else
            outline(m_painter, status, centre);
    }

private:
    // Room for the largest marker (the triangle and diamond reach 1.2 radii) and its edge.
    static constexpr double kHalf = 1.2 * kMarkerRadius + 1.5;

    void outline(QPainter& painter, GroupStatus status, QPointF centre) const {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(m_style.markerEdge, 1));
        painter.setBrush(m_style.colourOf(status));
        painter.drawPath(markerPath(status, kMarkerRadius).translated(centre));
    }

    QPainter& m_painter;
    const MapStyle& m_style;
    bool m_raster;
    std::array<QImage, 5> m_images;
};

void paintGroups(QPainter& painter, const MapScene& scene) {
    painter.setBrush(Qt::NoBrush);
    for (const GroupStatus status : kPaintOrder) {
        painter.setPen(QPen(scene.style.colourOf(status), 0));
        for (const MapGroup& group : scene.groups) {
            if (group.status != status || !group.place.box || !shows(scene.filter, group)) continue;
            for (const QRectF& rect : boxRects(scene.projection, *group.place.box))
                if (outlined(rect)) painter.drawRect(rect);
        }
    }
    MarkerStamps stamps(painter, scene.style);
    for (const GroupStatus status : kPaintOrder)
        for (const MapGroup& group : scene.groups) {
            if (group.status != status || !group.place.box || !shows(scene.filter, group)) continue;
            for (const QPointF& pixel : markerPixels(scene.projection, *group.place.box)) stamps.draw(status, pixel);
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
    MarkerStamps stamps(painter, scene.style);
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const QRectF row(topLeft + QPointF(kPadding, kPadding + index * lineHeight), QSizeF(size.width(), lineHeight));
        if (size_t(index) < markers.size() && markers[size_t(index)])
            stamps.draw(*markers[size_t(index)], QPointF(row.left() + kMarkerRadius + 1, row.center().y()));
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
            forVisibleRuns(
                projected.areas, visible, [&](const ProjectedRuns::Run& run) { return run.level == level; }, m_points,
                [&](const QPointF* points, int count) { painter.drawPolygon(points, count); });
        }
        painter.setBrush(Qt::NoBrush);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(scene.style.border, 0));
        const auto every = [](const ProjectedRuns::Run&) { return true; };
        const auto line = [&](const QPointF* points, int count) { painter.drawPolyline(points, count); };
        forVisibleRuns(projected.borders, visible, every, m_points, line);
        painter.setPen(QPen(scene.style.shore, 0));
        forVisibleRuns(projected.shores, visible, every, m_points, line);
        forVisibleRuns(
            projected.areas, visible, [](const ProjectedRuns::Run& run) { return run.allShore; }, m_points, line);
        painter.restore();
    }
}

void MapRenderer::paint(QPainter& painter, const MapScene& scene) {
    paintBase(painter, scene);
    paintOverlay(painter, scene);
}

void MapRenderer::paintBase(QPainter& painter, const MapScene& scene) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintGlobe(painter, scene);
    // The graticule lies on the sea, under the land: drawn in an opaque colour, which the raster
    // engine draws some twenty times faster than a blended one.
    paintGraticule(painter, scene);
    paintCoastlines(painter, scene, m_atlas.layerFor(scene.projection.pixelsPerDegree()).layer);
    painter.restore();
}

void MapRenderer::paintOverlay(QPainter& painter, const MapScene& scene) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintGroups(painter, scene);
    paintLegend(painter, scene);
    m_notes = m_atlas.layerFor(scene.projection.pixelsPerDegree()).problems;
    paintPanel(painter, scene, m_notes, {}, Qt::TopLeftCorner);
    painter.restore();
}

}  // namespace maps
