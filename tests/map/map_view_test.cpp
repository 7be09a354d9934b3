#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QHelpEvent>
#include <QImage>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>

#include "map/map_canvas_view.h"
#include "map/map_view.h"
#include "map_folder.h"
#include "register/display_modes.h"
#include "register/store/database.h"
#include "support/screenshot.h"
#include "support/window_controls.h"

namespace {

using maps::MapCanvasView;
using maps::MapView;

// The map window on the map's sample folder, what it asked and opened kept.
class MapViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        view = std::make_unique<MapView>(maps::MapViewLinks{
            [this] {
                store::Database database(folder.dataFolder());
                return maps::readMapGroups(database);
            },
            [this](const QString& reference) { opened << reference; },
            [this](const QString&, const QString&, const QString&) { return savedAs; },
            [this](const QString& message) { errors << message; },
        });
        view->resize(1100, 640);
        view->show();
        QApplication::setActiveWindow(view.get());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }

    MapCanvasView& canvas() { return view->canvas(); }
    void click(const QString& name) { pressButton(*view, name); }
    // The pixel of a place on the canvas as it is shown now.
    QPoint pixelOf(double longitude, double latitude) {
        return canvas().projection().toPixel({longitude, latitude}).toPoint();
    }

    MapTestFolder folder;
    std::unique_ptr<MapView> view;
    QStringList opened;
    QStringList errors;
    QString savedAs;
};

TEST_F(MapViewTest, TheStatusBoxesAreTheDisplayModesAndTheyNarrowTheMapWithTheGroupAwards) {
    QStringList captions;
    for (QCheckBox* box : view->findChildren<QCheckBox*>()) captions << box->text();
    QStringList modes;
    for (const DisplayMode& mode : displayModes()) modes << mode.caption;
    EXPECT_EQ(captions, modes);
    EXPECT_TRUE(controlNamed<QCheckBox>(*view, "MapStatus_all").isChecked());
    EXPECT_EQ(canvas().legendLines(),
              (QStringList{"needed: 9", "worked: 2", "claimed: 2", "approved: 2", "deleted: 1", "not placed: 0"}));
    saveScreenshot(*view, "map_view");

    click("MapStatus_all");
    click("MapStatus_needed");
    click("MapStatus_approved");
    EXPECT_EQ(canvas().legendLines(),
              (QStringList{"needed: 9", "worked: 0", "claimed: 0", "approved: 2", "deleted: 0", "not placed: 0"}));
    click("MapGroup_B");
    EXPECT_EQ(canvas().legendLines(),
              (QStringList{"needed: 0", "worked: 0", "claimed: 0", "approved: 1", "deleted: 0", "not placed: 0"}));
    click("MapGroup_all");
    EXPECT_EQ(canvas().legendLines()[0], "needed: 9");
}

TEST_F(MapViewTest, TheWheelAndTheKeysZoomTheArrowsAndADragMoveTheMap) {
    canvas().setFocus();
    const double opening = canvas().projection().pixelsPerDegree();
    // A key press zooms two steps of the ladder, a wheel notch one.
    QTest::keyClick(&canvas(), Qt::Key_Plus);
    QTest::keyClick(&canvas(), Qt::Key_Equal);
    EXPECT_DOUBLE_EQ(canvas().projection().pixelsPerDegree(), opening * 2);
    // The wheel keeps the place under the mouse where it is.
    const QPointF mouse(300, 200);
    const maps::GeoPoint under = canvas().projection().toGeo(mouse);
    QWheelEvent wheel(mouse, canvas().mapToGlobal(mouse), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&canvas(), &wheel);
    EXPECT_DOUBLE_EQ(canvas().projection().pixelsPerDegree(), opening * std::exp2(1.25));
    EXPECT_NEAR(canvas().projection().toPixel(under).x(), mouse.x(), 1e-6);
    EXPECT_NEAR(canvas().projection().toPixel(under).y(), mouse.y(), 1e-6);
    QTest::keyClick(&canvas(), Qt::Key_Minus);
    QTest::keyClick(&canvas(), Qt::Key_Minus);
    EXPECT_DOUBLE_EQ(canvas().projection().pixelsPerDegree(), opening * std::exp2(0.25));

    const double longitude = canvas().projection().centre().longitude;
    const double scale = canvas().projection().pixelsPerDegree();
    QTest::keyClick(&canvas(), Qt::Key_Right);
    EXPECT_NEAR(canvas().projection().centre().longitude, longitude + canvas().width() / 8.0 / scale, 1e-9);
    QTest::keyClick(&canvas(), Qt::Key_Left);
    EXPECT_NEAR(canvas().projection().centre().longitude, longitude, 1e-9);

    // Dragging the map 100 pixels east shows what lay west of it.
    QTest::mousePress(&canvas(), Qt::LeftButton, Qt::NoModifier, QPoint(400, 300));
    QMouseEvent move(QEvent::MouseMove, QPointF(500, 300), canvas().mapToGlobal(QPointF(500, 300)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&canvas(), &move);
    QTest::mouseRelease(&canvas(), Qt::LeftButton, Qt::NoModifier, QPoint(500, 300));
    EXPECT_NEAR(canvas().projection().centre().longitude, longitude - 100 / scale, 1e-9);
}

TEST_F(MapViewTest, RestingOnAGroupShowsItsSummaryAndADoubleClickOpensItsRecord) {
    const QPoint greatBritain = pixelOf(-2.21, 54.25);
    QHelpEvent help(QEvent::ToolTip, greatBritain, canvas().mapToGlobal(greatBritain));
    QApplication::sendEvent(&canvas(), &help);
    EXPECT_EQ(QToolTip::text(), "EU-005 Great Britain\nStatus: approved\nCall: G/DL1ABC");

    QTest::mouseDClick(&canvas(), Qt::LeftButton, Qt::NoModifier, pixelOf(133.42, -24.92));
    EXPECT_EQ(opened, QStringList{"OC-001"});
    QTest::mouseDClick(&canvas(), Qt::LeftButton, Qt::NoModifier, pixelOf(-30, 30));
    EXPECT_EQ(opened, QStringList{"OC-001"}) << "nothing lies in the Atlantic";
}

TEST_F(MapViewTest, RefreshShowsTheStatusesTheTablesHoldNow) {
    folder.execute("UPDATE \"IOTA-EU\" SET Status = 'A' WHERE IOTA = 'EU-001'");
    EXPECT_EQ(canvas().legendLines()[3], "approved: 2") << "until it is told";
    view->refresh();
    EXPECT_EQ(canvas().legendLines()[3], "approved: 3");
    EXPECT_EQ(canvas().legendLines()[0], "needed: 8");
}

TEST_F(MapViewTest, TheSaveButtonsWriteThePictureShownAsPngOrPdf) {
    QTemporaryDir pictures;
    savedAs = pictures.filePath("islands");
    click("MapSavePng");
    const QImage saved(savedAs + ".png");
    EXPECT_EQ(saved.size(), canvas().size()) << "the ending is added";
    const QImage shown = canvas().grab().toImage().convertToFormat(saved.format());
    EXPECT_EQ(saved.pixelColor(pixelOf(-2.21, 54.25)), shown.pixelColor(pixelOf(-2.21, 54.25)));
    savedAs = pictures.filePath("islands.pdf");
    click("MapSavePdf");
    QFile pdf(savedAs);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF-"));

    savedAs = pictures.filePath("no/such/folder/islands.png");
    click("MapSavePng");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("Cannot write the picture \"" + savedAs + "\"")) << errors[0].toStdString();
    savedAs.clear();
    click("MapSavePdf");
    EXPECT_EQ(errors.size(), 1) << "cancelled: nothing written, nothing said";
}

}  // namespace
