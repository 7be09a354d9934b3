// Measures the spots window's table as a flood reaches it: a batch of 50 island spots (what 200
// spots a second bring between two batches of the client) put at the top of a full list of 1,000
// shown through the needed-and-worked filter, the oldest let go, and the table repainted; beside
// a bare QTableView over a QStandardItemModel given the same texts at its top and losing as many
// rows at its bottom, repainted (target: within 2 times the bare view, and far under the quarter
// second between batches).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStandardItemModel>
#include <QTableView>

#include "bench_data.h"
#include "cluster/spot_list_model.h"
#include "cluster/spot_selection_filter.h"
#include "cluster/spot_table_view.h"
#include "register/store/database.h"
#include "register/store/table.h"

namespace {

constexpr int kBatch = 50;
constexpr QSize kTableSize(1000, 500);

// Island spots naming the full register's references one after the other, matched against it.
std::vector<IslandSpot> islandSpots(size_t count) {
    store::Database db(BenchData::instance().dataFolder());
    store::Table table(db);
    const IslandRecordStates records = readIslandRecordStates(table);
    const SpotMatcher matcher(records);
    const QStringList references = records.keys();
    std::vector<IslandSpot> spots;
    for (int i = 0; spots.size() < count; ++i) {
        Spot spot;
        spot.spotter = QStringLiteral("K%1AB-#").arg(i % 10);
        spot.kHz = 14000.0 + i % 350;
        spot.frequency = QString::number(spot.kHz, 'f', 1);
        spot.dxCall = QStringLiteral("G%1X").arg(i);
        spot.comment = QStringLiteral("IOTA %1 up 1").arg(references[i % references.size()]);
        spot.time = QStringLiteral("%1Z").arg(i % 2400, 4, 10, QLatin1Char('0'));
        for (IslandSpot& island : matcher.islandSpots(spot)) spots.push_back(std::move(island));
    }
    return spots;
}

// The texts of the spots as the list shows them, oldest first.
QList<QList<QStandardItem*>> rowItems(const std::vector<IslandSpot>& spots) {
    SpotListModel texts;
    texts.add(spots);
    QList<QList<QStandardItem*>> rows;
    for (int row = texts.rowCount() - 1; row >= 0; --row) {
        QList<QStandardItem*> items;
        for (int column = 0; column < texts.columnCount(); ++column)
            items << new QStandardItem(texts.index(row, column).data().toString());
        rows << items;
    }
    return rows;
}

void SpotsWindowBatch(benchmark::State& state) {
    const std::vector<IslandSpot> spots = islandSpots(size_t(RecentSpots::kKept + 20 * kBatch));
    const auto batch = [&](int number) {
        const auto first = spots.begin() + RecentSpots::kKept + (number % 20) * kBatch;
        return std::vector<IslandSpot>(first, first + kBatch);
    };
    const std::vector<IslandSpot> opening(spots.begin(), spots.begin() + RecentSpots::kKept);

    SpotListModel list;
    SpotSelectionFilter shown;
    shown.setSourceModel(&list);
    shown.setSelection(SpotSelection::NeededWorked);
    SpotTableView table(shown);
    table.resize(kTableSize);
    table.show();
    list.add(opening);

    QStandardItemModel bareModel;
    QTableView bare;
    bare.setModel(&bareModel);
    bare.resize(kTableSize);
    bare.show();
    for (const QList<QStandardItem*>& items : rowItems(opening)) bareModel.insertRow(0, items);
    QCoreApplication::processEvents();

    double tableSeconds = 0;
    double bareSeconds = 0;
    QElapsedTimer timer;
    int number = 0;
    for (auto _ : state) {
        const std::vector<IslandSpot> coming = batch(number);
        QList<QList<QStandardItem*>> bareRows = rowItems(coming);
        timer.start();
        list.add(coming);
        benchmark::DoNotOptimize(table.grab());
        QCoreApplication::processEvents();
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        tableSeconds += seconds;

        timer.start();
        bareModel.removeRows(bareModel.rowCount() - kBatch, kBatch);
        for (const QList<QStandardItem*>& items : bareRows) bareModel.insertRow(0, items);
        benchmark::DoNotOptimize(bare.grab());
        QCoreApplication::processEvents();
        bareSeconds += double(timer.nsecsElapsed()) / 1e9;
        ++number;
    }
    state.counters["baseline_ms"] = bareSeconds * 1000 / double(state.iterations());
    state.counters["ratio"] = tableSeconds / bareSeconds;
}
BENCHMARK(SpotsWindowBatch)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
