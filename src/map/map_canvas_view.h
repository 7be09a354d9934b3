#pragma once

#include <QImage>
#include <QWidget>
#include <optional>
#include <vector>

#include "map/map_filter.h"
#include "map/map_projection.h"
#include "map/map_renderer.h"

namespace maps {

// The map itself in the map window: zoomed with the wheel and the keys + and -, moved by dragging
// and with the arrow keys, a group's summary shown when the mouse rests on it, and a double
// click opening its record. The scale steps along a fixed ladder, so that the coastlines
// projected for a scale are found again when it comes back. The map below the groups is kept as
// an image a little larger than the view, so that a pan only moves it.
class MapCanvasView : public QWidget {
    Q_OBJECT

public:
    MapCanvasView(MapRenderer& renderer, QWidget* parent = nullptr);

    void setGroups(const std::vector<MapGroup>* groups);
    void setFilter(const MapFilter& filter);
    const MapFilter& filter() const { return m_filter; }

    // The view shown now; the whole globe until the canvas has a size.
    MapProjection projection() const;
    // The legend's lines as painted.
    QStringList legendLines() const;
    // Paints the map as the canvas shows it into another painter (a picture to save).
    void paintMap(QPainter& painter);

signals:
    void groupActivated(const QString& reference);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // The map below the groups as last painted: its scale, style and top-left corner in world
    // pixels.
    struct BaseImage {
        QImage image;
        double pixelsPerDegree = 0;
        const MapStyle* style = nullptr;
        QPointF origin;
    };

    MapScene scene() const;
    bool baseShows(const MapProjection& view, const MapStyle& style) const;
    void paintBase(const MapProjection& view, const MapStyle& style);
    void zoomBy(int steps, QPointF anchor);
    void panBy(QPointF pixels);
    const MapGroup* groupAt(QPointF pixel) const;

    MapRenderer& m_renderer;
    const std::vector<MapGroup>* m_groups = nullptr;
    MapFilter m_filter;
    int m_zoomStep = 0;
    std::optional<MapProjection> m_projection;  // none until the first size is known
    std::optional<QPointF> m_dragFrom;
    BaseImage m_base;
};

}  // namespace maps
