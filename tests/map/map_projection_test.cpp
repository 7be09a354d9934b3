#include <gtest/gtest.h>

#include "map/map_projection.h"

namespace {

using maps::GeoPoint;
using maps::MapProjection;

void expectNear(QPointF actual, QPointF expected, const char* what) {
    EXPECT_NEAR(actual.x(), expected.x(), 1e-9) << what;
    EXPECT_NEAR(actual.y(), expected.y(), 1e-9) << what;
}

TEST(MapProjection, TheWholeGlobeFillsThePictureToScaleAndPixelsGoBackToTheirPlaces) {
    const MapProjection globe = MapProjection::wholeGlobe(QSizeF(1440, 720));
    EXPECT_EQ(globe.pixelsPerDegree(), 4);
    const struct {
        GeoPoint place;
        QPointF pixel;
        const char* what;
    } cases[] = {
        {{0, 0}, {720, 360}, "Greenwich on the equator, the middle"},
        {{-180, 90}, {0, 0}, "north-west corner"},
        {{179.75, -90}, {1439, 720}, "south-east corner"},
        {{-2.21, 54.25}, {711.16, 143}, "the middle of EU-005's box"},
        {{133.42, -24.92}, {1253.68, 459.68}, "the middle of OC-001's box"},
    };
    for (const auto& c : cases) {
        expectNear(globe.toPixel(c.place), c.pixel, c.what);
        const GeoPoint back = globe.toGeo(c.pixel);
        EXPECT_NEAR(back.longitude, c.place.longitude, 1e-9) << c.what;
        EXPECT_NEAR(back.latitude, c.place.latitude, 1e-9) << c.what;
    }
    // A wide picture shows the globe at the scale its height allows, centred.
    EXPECT_EQ(MapProjection::wholeGlobe(QSizeF(2000, 360)).pixelsPerDegree(), 2);
}

TEST(MapProjection, AViewAcrossTheDateLineShowsTheFarSideEastOf180) {
    // From 160° east to 160° west, 40 degrees across.
    const MapProjection pacific = MapProjection::area(QSizeF(400, 300), 160, -160, -30, 0);
    EXPECT_EQ(pacific.pixelsPerDegree(), 10);
    EXPECT_EQ(pacific.centre().longitude, -180);
    expectNear(pacific.toPixel({170, -15}), {100, 150}, "Fiji's side, west of the line");
    expectNear(pacific.toPixel({-170, -15}), {300, 150}, "Samoa's side, east of it");
    EXPECT_NEAR(pacific.toGeo({390, 150}).longitude, -161, 1e-9);
    EXPECT_NEAR(pacific.toGeo({10, 150}).longitude, 161, 1e-9);
    // Two copies of the globe meet in the picture: the one west of the line and the one east.
    EXPECT_EQ(pacific.copyShifts().size(), 2u);
}

TEST(MapProjection, ZoomKeepsThePlaceUnderTheAnchorAndPanStopsAtThePoles) {
    const MapProjection globe = MapProjection::wholeGlobe(QSizeF(720, 360));
    const QPointF anchor(200, 100);
    const GeoPoint held = globe.toGeo(anchor);
    const MapProjection closer = globe.zoomedTo(8, anchor);
    EXPECT_EQ(closer.pixelsPerDegree(), 8);
    expectNear(closer.toPixel(held), anchor, "the place under the mouse stays under it");

    // Dragged far south the view stops where the north pole is at the top edge.
    const MapProjection dragged = closer.pannedBy(QPointF(0, 100000));
    EXPECT_NEAR(dragged.toPixel({0, 90}).y(), 0, 1e-9);
    // Dragged east round the globe, the middle stays a longitude of the globe.
    const MapProjection round = closer.pannedBy(QPointF(-8 * 360 * 3 - 80, 0));
    EXPECT_NEAR(round.centre().longitude, maps::normalLongitude(closer.centre().longitude + 10), 1e-9);

    // Zoomed out until the whole globe is lower than the picture, the equator stays in the middle.
    const MapProjection far = closer.zoomedTo(0.5, anchor);
    EXPECT_EQ(far.centre().latitude, 0);
}

TEST(MapProjection, LongitudesComeBackBetweenMinus180And180) {
    const struct {
        double longitude, normal;
    } cases[] = {{180, -180}, {-180, -180}, {181.75, -178.25}, {-540, -180}, {359, -1}, {720.5, 0.5}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(maps::normalLongitude(c.longitude), c.normal) << c.longitude;
}

}  // namespace
