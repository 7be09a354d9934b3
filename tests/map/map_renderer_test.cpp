#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "map/map_renderer.h"
#include "map_folder.h"
#include "register/store/database.h"

namespace {

using maps::GroupStatus;

// The whole globe at 4 pixels a degree: longitude L, latitude B at ((L + 180) · 4, (90 − B) · 4).
constexpr QSize kGlobe(1440, 720);
const QPoint kGreatBritain(711, 143);  // the middle of EU-005's box: -2.21°, 54.25°
const QPoint kAustralia(1253, 459);    // OC-001's: 133.42°, -24.92°
const QPoint kSahara(740, 260);        // 5°, 25°
const QPoint kAtlantic(580, 260);      // -35°, 25°

class MapRendererTest : public ::testing::Test {
protected:
    QImage paint(maps::CoastlineAtlas& atlas, const maps::MapFilter& filter = {}) {
        QImage image(kGlobe, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        renderer = std::make_unique<maps::MapRenderer>(atlas);
        renderer->paint(painter, maps::MapScene{groups, filter, maps::MapProjection::wholeGlobe(kGlobe), style});
        return image;
    }

    MapTestFolder folder;
    std::vector<maps::MapGroup> groups = [this] {
        store::Database database(folder.dataFolder());
        return maps::readMapGroups(database);
    }();
    const maps::MapStyle& style = maps::lightMapStyle();
    std::unique_ptr<maps::MapRenderer> renderer;
};

TEST_F(MapRendererTest, EachGroupIsPaintedWhereItLiesInTheColourOfItsStatus) {
    if (!QFile::exists(maps::defaultCoastlineFolder() + "/binned_GSHHS_c.nc"))
        GTEST_SKIP() << "gmt-gshhg-low is not installed";
    maps::CoastlineAtlas atlas;
    const QImage image = paint(atlas);
    EXPECT_EQ(image.pixelColor(kGreatBritain), style.colourOf(GroupStatus::Approved));
    EXPECT_EQ(image.pixelColor(kAustralia), style.colourOf(GroupStatus::Worked));
    EXPECT_EQ(image.pixelColor(kSahara), style.land);
    EXPECT_EQ(image.pixelColor(kAtlantic), style.sea);
    EXPECT_TRUE(renderer->notes().isEmpty());

    // Showing the approved ones only, Australia's marker is gone: land lies under it.
    maps::MapFilter approved;
    approved.displayModes = 1u << 3;
    const QImage filtered = paint(atlas, approved);
    EXPECT_EQ(filtered.pixelColor(kGreatBritain), style.colourOf(GroupStatus::Approved));
    EXPECT_EQ(filtered.pixelColor(kAustralia), style.land);
}

TEST_F(MapRendererTest, WithoutCoastlinesTheGroupsStandOnAPlainGraticuleWithANoteSayingWhy) {
    QTemporaryDir empty;
    maps::CoastlineAtlas atlas(empty.path());
    const QImage image = paint(atlas);
    EXPECT_EQ(image.pixelColor(kGreatBritain), style.colourOf(GroupStatus::Approved));
    EXPECT_EQ(image.pixelColor(kAustralia), style.colourOf(GroupStatus::Worked));
    EXPECT_EQ(image.pixelColor(kSahara), style.sea) << "no land without coastlines";
    ASSERT_EQ(renderer->notes().size(), 2);
    EXPECT_TRUE(renderer->notes()[0].startsWith("Coastlines not drawn: " + empty.filePath("binned_GSHHS_l.nc")))
        << renderer->notes()[0].toStdString();
    // The note's panel stands in the top-left corner.
    EXPECT_NE(image.pixelColor(12, 12), style.sea);
}

}  // namespace
