#include "map/map_projection.h"

#include <algorithm>
#include <cmath>

namespace maps {

double normalLongitude(double longitude) {
    const double wrapped = std::fmod(longitude + 180, 360);
    return (wrapped < 0 ? wrapped + 360 : wrapped) - 180;
}

MapProjection::MapProjection(QSizeF picture, double pixelsPerDegree, GeoPoint centre)
    : m_picture(picture), m_scale(pixelsPerDegree), m_centre(centre) {
    settle();
}

MapProjection MapProjection::wholeGlobe(QSizeF picture) {
    return MapProjection(picture, std::min(picture.width() / 360, picture.height() / 180), GeoPoint{0, 0});
}

MapProjection MapProjection::area(QSizeF picture, double west, double east, double latitude1, double latitude2) {
    // An area whose west edge lies east of its east edge runs over the date line.
    const double width = east > west ? east - west : east - west + 360;
    const double height = std::abs(latitude1 - latitude2);
    const double scale = std::min(picture.width() / width, picture.height() / height);
    return MapProjection(picture, scale, GeoPoint{normalLongitude(west + width / 2), (latitude1 + latitude2) / 2});
}

void MapProjection::settle() {
    m_centre.longitude = normalLongitude(m_centre.longitude);
    const double halfHeight = m_picture.height() / 2 / m_scale;
    if (halfHeight >= 90)
        m_centre.latitude = 0;
    else
        m_centre.latitude = std::clamp(m_centre.latitude, -90 + halfHeight, 90 - halfHeight);
}

QPointF MapProjection::toPixel(GeoPoint place) const {
    const double east = normalLongitude(place.longitude - m_centre.longitude);
    return {m_picture.width() / 2 + east * m_scale,
            m_picture.height() / 2 + (m_centre.latitude - place.latitude) * m_scale};
}

GeoPoint MapProjection::toGeo(QPointF pixel) const {
    return {normalLongitude(m_centre.longitude + (pixel.x() - m_picture.width() / 2) / m_scale),
            m_centre.latitude - (pixel.y() - m_picture.height() / 2) / m_scale};
}

QPointF MapProjection::toWorld(GeoPoint place) const {
    return {(place.longitude + 180) * m_scale, (90 - place.latitude) * m_scale};
}

QPointF MapProjection::pictureOrigin() const {
    return toWorld(m_centre) - QPointF(m_picture.width() / 2, m_picture.height() / 2);
}

std::vector<double> MapProjection::copyShifts() const {
    const double left = pictureOrigin().x();
    const double world = worldWidth();
    std::vector<double> shifts;
    // Copy k covers world pixels [k·world, (k+1)·world) of the unwrapped plane.
    for (double k = std::floor(left / world); k * world < left + m_picture.width(); ++k) shifts.push_back(k * world);
    return shifts;
}

MapProjection MapProjection::pannedBy(QPointF pixels) const {
    return MapProjection(m_picture, m_scale,
                         GeoPoint{m_centre.longitude - pixels.x() / m_scale, m_centre.latitude + pixels.y() / m_scale});
}

MapProjection MapProjection::zoomedTo(double pixelsPerDegree, QPointF anchor) const {
    const QPointF fromMiddle = anchor - QPointF(m_picture.width() / 2, m_picture.height() / 2);
    const GeoPoint held{m_centre.longitude + fromMiddle.x() / m_scale, m_centre.latitude - fromMiddle.y() / m_scale};
    return MapProjection(
        m_picture, pixelsPerDegree,
        GeoPoint{held.longitude - fromMiddle.x() / pixelsPerDegree, held.latitude + fromMiddle.y() / pixelsPerDegree});
}

MapProjection MapProjection::resizedTo(QSizeF picture) const {
    return MapProjection(picture, m_scale, m_centre);
}

}  // namespace maps
