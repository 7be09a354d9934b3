#include <gtest/gtest.h>

#include <QPolygon>

#include "map/bin_polygons.h"

namespace {

using maps::BinPolygon;
using maps::BinSegment;
using maps::kBinUnits;

constexpr int kFull = kBinUnits;
constexpr int kHalf = kBinUnits / 2;

// Which level covers a point of the bin once the areas are painted in the order of their levels.
int levelAt(const std::vector<BinPolygon>& areas, QPoint point) {
    int level = 0;
    for (int pass = 1; pass <= 4; ++pass)
        for (const BinPolygon& area : areas)
            if (area.level == pass &&
                QPolygon(QList<QPoint>(area.points.begin(), area.points.end())).containsPoint(point, Qt::OddEvenFill))
                level = pass;
    return level;
}

TEST(BinPolygons, ACoastAcrossTheBinFillsTheLandOnItsLeft) {
    // Running west to east, land north of it: the coast of a continent's south shore.
    const std::vector<BinSegment> coast{{1, 3, 1, {{0, kHalf}, {kHalf, kHalf + 1000}, {kFull, kHalf}}}};
    const std::vector<BinPolygon> areas = maps::binPolygons(coast, 0);
    ASSERT_EQ(areas.size(), 1u);
    EXPECT_EQ(areas[0].points,
              (std::vector<QPoint>{{0, kHalf}, {kHalf, kHalf + 1000}, {kFull, kHalf}, {kFull, kFull}, {0, kFull}}))
        << "the coast, then the north-east and north-west corners";
    EXPECT_EQ(areas[0].onEdge, (std::vector<bool>{true, false, true, true, true}));
    EXPECT_EQ(levelAt(areas, {kHalf, kFull - 100}), 1);
    EXPECT_EQ(levelAt(areas, {kHalf, 100}), 0);
}

TEST(BinPolygons, PiecesOfOneLevelAreJoinedAlongTheEdgeThroughTheCornersOnTheWay) {
    // Land between two coasts: one cuts the south-west corner off, the other the north-east one.
    const std::vector<BinSegment> coasts{
        {1, 3, 0, {{0, 20000}, {20000, 0}}},
        {1, 1, 2, {{kFull, 40000}, {40000, kFull}}},
    };
    const std::vector<BinPolygon> areas = maps::binPolygons(coasts, 0);
    ASSERT_EQ(areas.size(), 1u);
    EXPECT_EQ(areas[0].points,
              (std::vector<QPoint>{{0, 20000}, {20000, 0}, {kFull, 0}, {kFull, 40000}, {40000, kFull}, {0, kFull}}))
        << "the first coast, the south-east corner, the second coast, the north-west corner";
    EXPECT_EQ(levelAt(areas, {kHalf, kHalf}), 1);
    EXPECT_EQ(levelAt(areas, {1000, 1000}), 0);
    EXPECT_EQ(levelAt(areas, {kFull - 1000, kFull - 1000}), 0);
}

TEST(BinPolygons, ALakeLiesOnItsLandAndAnIslandInTheLake) {
    // The coast runs west to east with land north of it; a lake reaches in from the north edge,
    // its water right of its piece (a lake runs clockwise); an island lies in the lake.
    const std::vector<BinSegment> pieces{
        {1, 3, 1, {{0, kHalf}, {kFull, kHalf}}},
        {2, 2, 2, {{kHalf + 5000, kFull}, {kHalf, kFull - 8000}, {kHalf - 5000, kFull}}},
        {3,
         maps::kInsideBin,
         maps::kInsideBin,
         {{kHalf - 500, kFull - 3500},
          {kHalf + 500, kFull - 3500},
          {kHalf + 500, kFull - 2500},
          {kHalf - 500, kFull - 2500},
          {kHalf - 500, kFull - 3500}}},
    };
    const std::vector<BinPolygon> areas = maps::binPolygons(pieces, 0);
    EXPECT_EQ(levelAt(areas, {kHalf, kFull - 1000}), 2) << "in the lake";
    EXPECT_EQ(levelAt(areas, {kHalf, kFull - 3000}), 3) << "on the island in the lake";
    EXPECT_EQ(levelAt(areas, {kFull - 2000, kFull - 2000}), 1) << "on the land beside the lake";
    EXPECT_EQ(levelAt(areas, {kHalf, 1000}), 0) << "in the sea";
    // A bin inside the lake, no piece crossing it: wholly lake.
    EXPECT_EQ(levelAt(maps::binPolygons({}, 2), {kHalf, kHalf}), 2);
}

TEST(BinPolygons, ABinNoPieceCrossesIsWhollyOfItsCornersLevel) {
    EXPECT_TRUE(maps::binPolygons({}, 0).empty()) << "open sea";
    const std::vector<BinPolygon> land = maps::binPolygons({}, 1);
    ASSERT_EQ(land.size(), 1u);
    EXPECT_EQ(land[0].points, (std::vector<QPoint>{{0, 0}, {kFull, 0}, {kFull, kFull}, {0, kFull}}));
}

}  // namespace
