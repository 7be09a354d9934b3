#include "exchange/gauge.h"

#include <gtest/gtest.h>

#include <QList>
#include <QPair>
#include "support/qt_printers.h"
#include "support/recorded_progress.h"

namespace {

TEST(Gauge, RoundsHalfwayToEvenAndShowsAtMost100) {
    Gauge gauge;
    const QList<QPair<double, int>> cases = {{0.5, 0},    {1.5, 2},    {2.5, 2},     {3.5, 4},   {2.4999, 2},
                                             {2.5001, 3}, {99.5, 100}, {100.5, 100}, {101, 100}, {-3, 0}};
    for (const auto& [value, percent] : cases) {
        gauge.setValue(value);
        EXPECT_EQ(gauge.percent(), percent) << value;
    }
}

TEST(Gauge, ReportsOnlyWhatChanges) {
    RecordedProgress shown;
    Gauge gauge(shown);
    gauge.start("Importing IOTA AF");
    gauge.advance(2);
    for (int i = 0; i < 3; ++i) gauge.advance(98.0 / 3);
    gauge.advance(0);
    gauge.start("Importing IOTA AN");
    gauge.advance(2);
    const QList<QPair<int, QString>> expected = {
        {0, "Importing IOTA AF"},   {2, "Importing IOTA AF"}, {35, "Importing IOTA AF"}, {67, "Importing IOTA AF"},
        {100, "Importing IOTA AF"}, {0, "Importing IOTA AN"}, {2, "Importing IOTA AN"}};
    EXPECT_EQ(shown.shown, expected);
    EXPECT_DOUBLE_EQ(gauge.value(), 2);
}

}  // namespace
