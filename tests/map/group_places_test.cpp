#include <gtest/gtest.h>

#include <cmath>

#include "map/group_places.h"
#include "map/map_marks.h"

namespace {

using maps::MapProjection;

// The boxes that cross or touch the date line, as the table of groups holds them.
const GroupBox kWrangel{178.25, -175.25, 70.67, 71.75};        // AS-027
const GroupBox kFiji{177.17, -179.65, -19.25, -15.67};         // OC-016
const GroupBox kAntarctica{-180, 180, -90, -63};               // AN-016, the whole circle
const GroupBox kScottIsland{179.92, -179.92, -67.67, -67.25};  // AN-020

TEST(GroupPlaces, DateLineBoxesAreMeasuredEastwardsOverTheLine) {
    const struct {
        GroupBox box;
        double width, centreLongitude, centreLatitude;
        const char* what;
    } cases[] = {
        {kWrangel, 6.5, -178.5, 71.21, "AS-027"},
        {kFiji, 3.18, 178.76, -17.46, "OC-016"},
        {kAntarctica, 360, 0, -76.5, "AN-016"},
        {kScottIsland, 0.16, -180, -67.46, "AN-020"},
        {{-6.25, 1.83, 49.83, 58.67}, 8.08, -2.21, 54.25, "EU-005"},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(maps::boxWidth(c.box), c.width, 1e-9) << c.what;
        EXPECT_NEAR(maps::boxCentre(c.box).longitude, c.centreLongitude, 1e-9) << c.what;
        EXPECT_NEAR(maps::boxCentre(c.box).latitude, c.centreLatitude, 1e-9) << c.what;
    }
}

TEST(GroupPlaces, ADateLineBoxIsOneRectangleOverTheLineWhereverTheViewStands) {
    // Seen from the middle of the Pacific: Wrangel's box runs from 178.25° east over the line.
    const MapProjection pacific(QSizeF(800, 400), 10, {180, 70});
    std::vector<QRectF> rects = maps::boxRects(pacific, kWrangel);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_NEAR(rects[0].left(), pacific.toPixel({178.25, 71.75}).x(), 1e-9);
    EXPECT_NEAR(rects[0].width(), 65, 1e-9);
    EXPECT_NEAR(rects[0].height(), 10.8, 1e-9);
    // Seen from Greenwich on a picture wider than the globe, both copies show it, at the two ends.
    const MapProjection wide(QSizeF(1000, 400), 2, {0, 0});
    rects = maps::boxRects(wide, kWrangel);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_NEAR(rects[1].left() - rects[0].left(), 720, 1e-9);
    const std::vector<QPointF> markers = maps::markerPixels(wide, kWrangel);
    ASSERT_EQ(markers.size(), 2u);
    for (const QPointF& marker : markers) EXPECT_TRUE(rects[0].contains(marker) || rects[1].contains(marker));

    // Antarctica's box spans the whole globe, from its west end to its east end.
    const MapProjection globe = MapProjection::wholeGlobe(QSizeF(720, 360));
    rects = maps::boxRects(globe, kAntarctica);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0], QRectF(0, 306, 720, 54));
}

TEST(GroupPlaces, ABoxOffTheGlobeOrNotANumberIsNotPlacedAndSaysWhy) {
    const double nan = std::nan("");
    const struct {
        std::optional<GroupBox> box;
        const char* reason;
    } cases[] = {
        {std::nullopt, "no box"},
        {GroupBox{nan, 57, -10.75, -10}, "box not a number (west nan, east 57, south -10.75, north -10)"},
        {GroupBox{56.25, 57, -10.75, INFINITY}, "box not a number (west 56.25, east 57, south -10.75, north inf)"},
        {GroupBox{56.25, 181, -10.75, -10}, "box outside the globe (west 56.25, east 181, south -10.75, north -10)"},
        {GroupBox{56.25, 57, -95, -10}, "box outside the globe (west 56.25, east 57, south -95, north -10)"},
    };
    for (const auto& c : cases) {
        const maps::GroupPlace place = maps::placeOf(c.box);
        EXPECT_FALSE(place.box) << c.reason;
        EXPECT_EQ(place.notPlacedReason, c.reason);
    }
    for (const GroupBox& box : {kWrangel, kFiji, kAntarctica, kScottIsland}) {
        EXPECT_EQ(maps::placeOf(box).box, box);
        EXPECT_EQ(maps::placeOf(box).notPlacedReason, "");
    }
}

}  // namespace
