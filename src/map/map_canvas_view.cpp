#include "map/map_canvas_view.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "map/map_marks.h"

namespace maps {

namespace {

// The scale ladder: 2^(step/4) pixels per degree, from half a pixel (the globe 180 pixels wide) to
// 256 (some 400 m a pixel, the finest the intermediate coastlines carry).
constexpr int kStepsPerDoubling = 4;
constexpr int kFewestStep = -4;
constexpr int kMostStep = 32;
// A key press zooms two steps, a wheel notch one; the arrows move the map an eighth of the view.
constexpr int kKeyZoomSteps = 2;
constexpr int kWheelNotch = 120;
constexpr double kArrowShare = 0.125;

double scaleOfStep(int step) {
    return std::exp2(double(step) / kStepsPerDoubling);
}

// The largest step at which the whole globe fits the size.
int wholeGlobeStep(QSizeF size) {
    const double scale = std::min(size.width() / 360, size.height() / 180);
    return std::clamp(int(std::floor(std::log2(scale) * kStepsPerDoubling)), kFewestStep, kMostStep);
}

}  // namespace

MapCanvasView::MapCanvasView(MapRenderer& renderer, QWidget* parent) : QWidget(parent), m_renderer(renderer) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(240, 160);
    setAccessibleName(QStringLiteral("Map of the islands"));
}

void MapCanvasView::setGroups(const std::vector<MapGroup>* groups) {
    m_groups = groups;
    update();
}

void MapCanvasView::setFilter(const MapFilter& filter) {
    m_filter = filter;
    update();
}

MapProjection MapCanvasView::projection() const {
    if (m_projection) return *m_projection;
    return MapProjection(size(), scaleOfStep(wholeGlobeStep(size())), GeoPoint{0, 0});
}

MapScene MapCanvasView::scene() const {
    static const std::vector<MapGroup> none;
    return MapScene{m_groups ? *m_groups : none, m_filter, projection(), mapStyleFor(palette())};
}

QStringList MapCanvasView::legendLines() const {
    const MapScene shown = scene();
    return maps::legendLines(countShown(shown.groups, shown.filter));
}

void MapCanvasView::paintMap(QPainter& painter) {
    m_renderer.paint(painter, scene());
}

bool MapCanvasView::baseShows(const MapProjection& view, const MapStyle& style) const {
    return !m_base.image.isNull() && m_base.pixelsPerDegree == view.pixelsPerDegree() && m_base.style == &style &&
           m_base.image.devicePixelRatio() == devicePixelRatioF() &&
           QRectF(m_base.origin, m_base.image.deviceIndependentSize()).contains(QRectF(view.pictureOrigin(), size()));
}

void MapCanvasView::paintBase(const MapProjection& view, const MapStyle& style) {
    // An arrow's step of margin round the view.
    const QSizeF margin(width() * kArrowShare, height() * kArrowShare);
    const MapProjection base(QSizeF(size()) + 2 * margin, view.pixelsPerDegree(), view.centre());
    const double ratio = devicePixelRatioF();
    // The image is kept while the view's size stays: a new one of a few megabytes costs more than
    // painting into it.
    const QSize pixels = (base.picture() * ratio).toSize();
    if (m_base.image.size() != pixels) m_base.image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    m_base.image.setDevicePixelRatio(ratio);
    m_base.pixelsPerDegree = view.pixelsPerDegree();
    m_base.style = &style;
    m_base.origin = base.pictureOrigin();
    QPainter painter(&m_base.image);
    m_renderer.paintBase(painter, MapScene{scene().groups, m_filter, base, style});
}

void MapCanvasView::paintEvent(QPaintEvent*) {
    const MapScene shown = scene();
    if (!baseShows(shown.projection, shown.style)) paintBase(shown.projection, shown.style);
    QPainter painter(this);
    painter.drawImage(m_base.origin - shown.projection.pictureOrigin(), m_base.image);
    m_renderer.paintOverlay(painter, shown);
}

void MapCanvasView::resizeEvent(QResizeEvent*) {
    if (m_projection) {
        m_projection = m_projection->resizedTo(size());
        return;
    }
    m_zoomStep = wholeGlobeStep(size());
    m_projection = projection();
}

void MapCanvasView::zoomBy(int steps, QPointF anchor) {
    const int step = std::clamp(m_zoomStep + steps, kFewestStep, kMostStep);
    if (step == m_zoomStep) return;
    m_zoomStep = step;
    m_projection = projection().zoomedTo(scaleOfStep(step), anchor);
    update();
}

void MapCanvasView::panBy(QPointF pixels) {
    m_projection = projection().pannedBy(pixels);
    update();
}

void MapCanvasView::wheelEvent(QWheelEvent* event) {
    const int notches = event->angleDelta().y() / kWheelNotch;
    if (notches != 0) zoomBy(notches, event->position());
    event->accept();
}

void MapCanvasView::keyPressEvent(QKeyEvent* event) {
    const QPointF middle(width() / 2.0, height() / 2.0);
    const double across = width() * kArrowShare, down = height() * kArrowShare;
    switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            zoomBy(kKeyZoomSteps, middle);
            break;
        case Qt::Key_Minus:
            zoomBy(-kKeyZoomSteps, middle);
            break;
        // An arrow shows more of the map in its direction: the map moves the other way.
        case Qt::Key_Left:
            panBy({across, 0});
            break;
        case Qt::Key_Right:
            panBy({-across, 0});
            break;
        case Qt::Key_Up:
            panBy({0, down});
            break;
        case Qt::Key_Down:
            panBy({0, -down});
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

void MapCanvasView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_dragFrom = event->position();
}

void MapCanvasView::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragFrom) return;
    panBy(event->position() - *m_dragFrom);
    m_dragFrom = event->position();
}

void MapCanvasView::mouseReleaseEvent(QMouseEvent*) {
    m_dragFrom.reset();
}

void MapCanvasView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (const MapGroup* group = groupAt(event->position())) emit groupActivated(group->reference);
}

bool MapCanvasView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    if (const MapGroup* group = groupAt(help->pos()))
        QToolTip::showText(help->globalPos(), groupSummary(*group), this);
    else
        QToolTip::hideText();
    return true;
}

const MapGroup* MapCanvasView::groupAt(QPointF pixel) const {
    return m_groups ? maps::groupAt(*m_groups, m_filter, projection(), pixel) : nullptr;
}

}  // namespace maps
