// The map and the spots windows as the main window opens them from "&8 More": one of each, kept
// up to date after a command writes rows, and a double click on the map shows the record in its
// continent view.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "cluster/spots_view.h"
#include "logimport/upf_mode_choices.h"
#include "map/map_canvas_view.h"
#include "map/map_view.h"
#include "register/delivered_groups.h"
#include "register/group_facts.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "support/gui_fixture.h"
#include "support/island_records.h"

namespace {

template <typename Window>
QList<Window*> windowsOf(TForm1& form) {
    return form.findChildren<Window*>(QString(), Qt::FindDirectChildrenOnly);
}

// The main window on a folder whose statuses are those of the UPF decision table's start, with
// the groups' boxes of a new data folder.
class IslandWindowsTest : public GuiTest {
protected:
    void SetUp() override {
        setOwner(QStringLiteral("DL1ABC"), QStringLiteral("4711"));
        writeRecordValues(folder, readRecordValues(fixtureFile(kUpfCase, QStringLiteral("start.txt"))));
        {
            store::Database database(folder.dataFolder());
            applyDeliveredGroups(database);
            groups = maps::readMapGroups(database);
        }
        form = startForm();
        form->show();
    }

    const QString kUpfCase = QStringLiteral("upf_status_decisions");
    std::vector<maps::MapGroup> groups;
    std::unique_ptr<TForm1> form;
};

QPoint pixelOfGroup(maps::MapView& map, const std::vector<maps::MapGroup>& groups, const QString& reference) {
    for (const maps::MapGroup& group : groups) {
        if (group.reference != reference || !group.place.box) continue;
        const GroupBox& box = *group.place.box;
        const QPointF centre((box.west + box.east) / 2, (box.south + box.north) / 2);
        return map.canvas().projection().toPixel({centre.x(), centre.y()}).toPoint();
    }
    ADD_FAILURE() << "no box for " << reference.toStdString();
    return {};
}

TEST_F(IslandWindowsTest, MoreOpensOneMapAndOneSpotsWindowThatFollowTheTables) {
    press(*form, QStringLiteral("Map1"));
    press(*form, QStringLiteral("Map1"));
    press(*form, QStringLiteral("Spots1"));
    ASSERT_EQ(windowsOf<maps::MapView>(*form).size(), 1) << "a second press brings the same map to the front";
    ASSERT_EQ(windowsOf<SpotsView>(*form).size(), 1);
    maps::MapView& map = *windowsOf<maps::MapView>(*form).first();
    EXPECT_TRUE(map.isVisible());
    EXPECT_TRUE(windowsOf<SpotsView>(*form).first()->isVisible());

    const QStringList legendBefore = map.canvas().legendLines();
    dialogs.answerOpenFile(fixtureFile(kUpfCase, QStringLiteral("input.upf"))).answerExec(upfmode::kResultNo);
    press(*form, QStringLiteral("N5ImportUPF1"));
    EXPECT_NE(map.canvas().legendLines(), legendBefore) << "the import's statuses are on the map";
    EXPECT_TRUE(dialogs.scriptUsedUp());

    // Closing a window lets it go; the entry opens a new one.
    map.close();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(windowsOf<maps::MapView>(*form).isEmpty());
    press(*form, QStringLiteral("Map1"));
    EXPECT_EQ(windowsOf<maps::MapView>(*form).size(), 1);
}

TEST_F(IslandWindowsTest, ADoubleClickOnTheMapShowsTheRecordInItsContinentView) {
    press(*form, QStringLiteral("Map1"));
    maps::MapView& map = *windowsOf<maps::MapView>(*form).first();
    map.resize(1100, 640);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&map));
    QTest::mouseDClick(&map.canvas(), Qt::LeftButton, Qt::NoModifier, pixelOfGroup(map, groups, "EU-005"));

    EXPECT_TRUE(form->EuropeButton->isChecked());
    EXPECT_EQ(form->JumpTo->text(), "5");
    EXPECT_EQ(form->Table1.TableName(), "IOTA-EU");
    EXPECT_EQ(form->Table1.FieldByName(QStringLiteral("IOTA")).AsString(), "EU-005");
}

}  // namespace
