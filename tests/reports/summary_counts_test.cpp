#include <gtest/gtest.h>

#include <QStringList>

#include "reports/summary_counts.h"
#include "support/qt_printers.h"

namespace {

using reports::cellText;
using reports::percentText;
using reports::summaryColumns;
using reports::SummaryCounts;
using reports::wholePercent;

struct PercentCase {
    int count;
    int total;
    int percent;
};

TEST(SummaryPercent, RoundsTheExtendedProductHalfToEven) {
    // 59 of 200: the extended quotient for 0.295 lies just below it, so the product stays below the half.
    const PercentCase cases[] = {{1, 8, 12},    {3, 8, 38}, {5, 8, 62},  {23, 40, 58},
                                 {59, 200, 29}, {0, 5, 0},  {5, 5, 100}, {1, 9, 11}};
    for (const PercentCase& c : cases) {
        EXPECT_EQ(wholePercent(c.count, c.total), c.percent) << c.count << " of " << c.total;
        EXPECT_EQ(percentText(c.count, c.total), QStringLiteral("( %1% )").arg(c.percent))
            << c.count << " of " << c.total;
    }
}

TEST(SummaryPercent, NoQualifyingIslandShowsADashAndDividesNothing) {
    EXPECT_FALSE(wholePercent(0, 0).has_value());
    EXPECT_FALSE(wholePercent(3, 0).has_value());
    EXPECT_EQ(percentText(0, 0), "( - )");
}

TEST(SummaryColumns, KeysAndTextsFollowTheLabels) {
    const SummaryCounts counts{1, 2, 3, 3, 6, 8};
    const QStringList expected{"1", "2", "3", "3", "( 38% )", "6", "( 75% )", "8"};
    const QStringList keys{"a", "c", "w", "ac", "p", "acw", "pw", "tot"};
    for (size_t i = 0; i < summaryColumns().size(); ++i) {
        EXPECT_EQ(summaryColumns()[i].key, keys[i]) << "column " << i;
        EXPECT_EQ(cellText(counts, summaryColumns()[i]), expected[i]) << "column " << keys[i].toStdString();
    }
}

TEST(SummaryColumns, CountsAddUpColumnByColumn) {
    SummaryCounts sum{1, 0, 0, 1, 1, 2};
    sum += SummaryCounts{0, 1, 1, 1, 2, 2};
    EXPECT_EQ(sum, (SummaryCounts{1, 1, 1, 2, 3, 4}));
}

}  // namespace
