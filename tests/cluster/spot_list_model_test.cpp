// The spots list: each batch one insertion at the top, the rows beyond the thousand one removal
// at the bottom before it, the fields in their columns, statuses restated after an import, and the
// filter following all of it.
#include <gtest/gtest.h>

#include "cluster/spot_list_model.h"
#include "cluster/spot_selection_filter.h"
#include "support/qt_printers.h"

namespace {

const IslandRecordStates kRegister = {
    {"AS-004", {"IOTA-AS", "Cyprus", "-"}},
    {"NA-103", {"IOTA-NA", "Montserrat", "W"}},
    {"OC-001", {"IOTA-OC", "Australia", "A"}},
};

// Spots numbered from `first`, each naming the reference, oldest first.
std::vector<IslandSpot> batchOf(int first, int count, const QString& reference = "AS-004") {
    const SpotMatcher matcher(kRegister);
    std::vector<IslandSpot> batch;
    for (int number = first; number < first + count; ++number) {
        Spot spot;
        spot.spotter = "K1ABC";
        spot.frequency = "14260.0";
        spot.kHz = 14260;
        spot.dxCall = QStringLiteral("G%1").arg(number);
        spot.comment = "IOTA " + reference;
        spot.time = "1412Z";
        for (IslandSpot& island : matcher.islandSpots(spot)) batch.push_back(std::move(island));
    }
    return batch;
}

// What a list is told, as "remove FIRST-LAST" and "insert FIRST-LAST".
struct ToldChanges {
    explicit ToldChanges(const QAbstractItemModel& model) {
        QObject::connect(&model, &QAbstractItemModel::rowsAboutToBeRemoved,
                         [this](const QModelIndex&, int first, int last) {
                             changes << QStringLiteral("remove %1-%2").arg(first).arg(last);
                         });
        QObject::connect(&model, &QAbstractItemModel::rowsAboutToBeInserted,
                         [this](const QModelIndex&, int first, int last) {
                             changes << QStringLiteral("insert %1-%2").arg(first).arg(last);
                         });
    }
    QStringList changes;
};

QString dxCallAt(const QAbstractItemModel& model, int row) {
    return model.index(row, SpotListModel::DxCall).data().toString();
}

TEST(SpotListModel, EachBatchIsOneInsertionAtTheTopAfterOneRemovalOfTheOldestBeyondAThousand) {
    SpotListModel model;
    ToldChanges told(model);
    const struct {
        int first;
        int count;
        QStringList changes;
        int rows;
        const char* oldest;
    } batches[] = {
        {0, 600, {"insert 0-599"}, 600, "G0"},
        {600, 300, {"insert 0-299"}, 900, "G0"},
        {900, 250, {"remove 750-899", "insert 0-249"}, 1000, "G150"},
        {1150, 1500, {"remove 0-999", "insert 0-999"}, 1000, "G1650"},
    };
    for (const auto& batch : batches) {
        told.changes.clear();
        model.add(batchOf(batch.first, batch.count));
        EXPECT_EQ(told.changes, batch.changes) << batch.first;
        EXPECT_EQ(model.rowCount(), batch.rows) << batch.first;
        EXPECT_EQ(dxCallAt(model, 0), QStringLiteral("G%1").arg(batch.first + batch.count - 1)) << "newest first";
        EXPECT_EQ(dxCallAt(model, batch.rows - 1), batch.oldest);
    }
}

TEST(SpotListModel, ShowsEachFieldInItsColumn) {
    SpotListModel model;
    model.add(batchOf(7, 1, "NA-103"));
    const QStringList expected = {"1412Z",      "20m",    "14260.0", "G7",         "NA-103",
                                  "Montserrat", "worked", "K1ABC",   "IOTA NA-103"};
    ASSERT_EQ(model.columnCount(), expected.size());
    for (int column = 0; column < model.columnCount(); ++column)
        EXPECT_EQ(model.index(0, column).data().toString(), expected[column])
            << model.headerData(column, Qt::Horizontal).toString().toStdString();
    EXPECT_EQ(model.headerData(SpotListModel::DxCall, Qt::Horizontal).toString(), "DX call");
    EXPECT_EQ(model.index(0, 0).data(SpotListModel::StatusCodeRole).toString(), "W");
}

TEST(SpotSelectionFilter, EachSelectionShowsItsRowsAndFollowsNewSpotsAndStatuses) {
    SpotListModel model;
    SpotSelectionFilter shown;
    shown.setSourceModel(&model);
    model.add(batchOf(1, 1, "AS-004"));
    model.add(batchOf(2, 1, "NA-103"));
    model.add(batchOf(3, 1, "OC-001"));
    model.add(batchOf(4, 1, "SA-099"));
    const struct {
        SpotSelection selection;
        QStringList calls;
    } selections[] = {
        {SpotSelection::Needed, {"G1"}},
        {SpotSelection::NeededWorked, {"G2", "G1"}},
        {SpotSelection::Any, {"G4", "G3", "G2", "G1"}},
    };
    const auto callsShown = [&] {
        QStringList calls;
        for (int row = 0; row < shown.rowCount(); ++row) calls << dxCallAt(shown, row);
        return calls;
    };
    for (const auto& choice : selections) {
        shown.setSelection(choice.selection);
        EXPECT_EQ(callsShown(), choice.calls) << int(choice.selection);
    }

    shown.setSelection(SpotSelection::Needed);
    model.add(batchOf(5, 1, "AS-004"));
    EXPECT_EQ(callsShown(), (QStringList{"G5", "G1"}));
    IslandRecordStates imported = kRegister;
    imported["AS-004"].status = "C";
    imported["OC-001"].status = "-";
    model.restate(SpotMatcher(imported));
    EXPECT_EQ(callsShown(), QStringList{"G3"}) << "after an import";
    EXPECT_EQ(model.index(0, SpotListModel::Status).data().toString(), "claimed");
}

}  // namespace
