#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <vector>

namespace maps {

// A place on the globe in degrees: longitude east of Greenwich (-180 to 180), latitude north.
struct GeoPoint {
    double longitude = 0;
    double latitude = 0;
};

// The plate carrée of the map: longitude and latitude drawn to scale as x and y, a number of
// pixels per degree (the zoom), the place shown in the middle of the picture (the pan). The map
// runs on round the globe: a view across the date line shows the far side east of 180°, and the
// place in the middle is kept between -180 and 180.
//
// World pixels are the plane of the whole map at the scale: x = (longitude + 180) · scale,
// y = (90 - latitude) · scale. The coastlines are projected into it once per scale; the view is
// then only a shift.
class MapProjection {
public:
    MapProjection(QSizeF picture, double pixelsPerDegree, GeoPoint centre);

    // The whole globe as large as it fits into the picture, centred.
    static MapProjection wholeGlobe(QSizeF picture);
    // An area of the globe as large as it fits, centred: its west and east edge (west east of east
    // for an area across the date line) and two latitudes in either order.
    static MapProjection area(QSizeF picture, double west, double east, double latitude1, double latitude2);

    QSizeF picture() const { return m_picture; }
    double pixelsPerDegree() const { return m_scale; }
    GeoPoint centre() const { return m_centre; }

    // The picture's pixel of a place on the copy of the globe that lies nearest the middle.
    QPointF toPixel(GeoPoint place) const;
    // The place under a pixel, its longitude brought back between -180 and 180.
    GeoPoint toGeo(QPointF pixel) const;

    // The world pixel of a place, and the picture's top-left corner in world pixels.
    QPointF toWorld(GeoPoint place) const;
    QPointF pictureOrigin() const;
    // The width of the globe in pixels at this scale.
    double worldWidth() const { return 360 * m_scale; }
    // The shifts in x, whole globes apart, of every copy of the globe the picture shows: one for
    // a view inside the globe, two or more where the view runs over the date line or is wider.
    std::vector<double> copyShifts() const;

    // The same view moved by a number of pixels (a drag moves the map with the mouse: the view
    // moves the other way); north and south it stops where the globe ends.
    MapProjection pannedBy(QPointF pixels) const;
    // The same view at another scale, the place under the anchor pixel staying where it is.
    MapProjection zoomedTo(double pixelsPerDegree, QPointF anchor) const;
    // The same view on a picture of another size.
    MapProjection resizedTo(QSizeF picture) const;

private:
    // Keeps the middle where the picture shows no more than the globe's north and south ends,
    // or on the equator when the whole globe's height fits.
    void settle();

    QSizeF m_picture;
    double m_scale;
    GeoPoint m_centre;
};

// A longitude brought between -180 (inclusive) and 180 (exclusive).
double normalLongitude(double longitude);

}  // namespace maps
