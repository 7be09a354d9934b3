#include <gtest/gtest.h>

#include "map/map_marks.h"

namespace {

using maps::GroupStatus;
using maps::MapGroup;
using maps::MapProjection;

MapGroup group(const char* reference, GroupStatus status, GroupBox box, const char* groupCode = "") {
    MapGroup placed;
    placed.reference = reference;
    placed.status = status;
    placed.groupCode = groupCode;
    placed.tableName = QStringLiteral("IOTA-") + QString::fromLatin1(reference).left(2);
    placed.place = maps::placeOf(box);
    placed.displayModes = 1;
    return placed;
}

// A few groups as their boxes lie, on the whole globe at 4 pixels a degree (1440 by 720).
class HitTest : public ::testing::Test {
protected:
    QString referenceAt(QPointF pixel, const maps::MapFilter& filter = {}) const {
        const MapGroup* hit = maps::groupAt(groups, filter, globe, pixel);
        return hit ? hit->reference : QStringLiteral("none");
    }

    std::vector<MapGroup> groups{
        group("EU-005", GroupStatus::Approved, {-6.25, 1.83, 49.83, 58.67}, "B"),
        group("EU-007", GroupStatus::Worked, {-10.68, -10.47, 52.02, 52.15}, "B"),
        group("EU-115", GroupStatus::Claimed, {-10.68, -5.4, 51.33, 55.5}, "B"),
        group("AS-027", GroupStatus::Needed, {178.25, -175.25, 70.67, 71.75}),
        group("OC-001", GroupStatus::Worked, {113.17, 153.67, -39.17, -10.67}),
    };
    MapProjection globe = MapProjection::wholeGlobe(QSizeF(1440, 720));
};

TEST_F(HitTest, TheNearestMarkerWithinReachElseTheSmallestBoxHoldingThePixel) {
    const struct {
        QPointF pixel;
        const char* reference;
        const char* what;
    } cases[] = {
        {{711.16, 143}, "EU-005", "on EU-005's marker"},
        {{716, 147}, "EU-005", "a few pixels beside it"},
        {{697, 130}, "EU-005", "inside its box, far from the marker"},
        {{678.6, 151.5}, "EU-007", "EU-007's marker, inside EU-115's box"},
        {{697, 152}, "EU-115", "inside EU-115's box and EU-005's, the smaller one"},
        {{1253.68, 459.68}, "OC-001", "Australia's middle"},
        {{1190, 420}, "OC-001", "Australia's box"},
        {{5, 75}, "AS-027", "Wrangel's marker, east of the date line"},
        {{1436, 75}, "AS-027", "Wrangel's box west of the date line"},
        {{300, 300}, "none", "the Pacific off Mexico"},
    };
    for (const auto& c : cases) EXPECT_EQ(referenceAt(c.pixel), c.reference) << c.what;
}

TEST_F(HitTest, OnlyTheGroupsShownAreFound) {
    maps::MapFilter britishIsles;
    britishIsles.groupCode = "B";
    EXPECT_EQ(referenceAt({1253.68, 459.68}, britishIsles), "none");
    groups[0].displayModes = 2;  // EU-005 passes "A/C" only; the map shows "all"
    EXPECT_EQ(referenceAt({711.16, 143}), "none");
}

TEST_F(HitTest, ASmallBoxIsFoundByItsMarkerOnly) {
    // EU-007's box is less than a pixel across at this scale: only its marker counts.
    const QPointF besideTheMarker(678.6 + maps::kMarkerReach + 1, 151.5);
    groups.erase(groups.begin() + 2);  // EU-115
    groups.erase(groups.begin());      // EU-005
    EXPECT_EQ(referenceAt(besideTheMarker), "none");
    EXPECT_FALSE(maps::outlined(maps::boxRects(globe, groups[0].place.box.value()).front()));
}

}  // namespace
