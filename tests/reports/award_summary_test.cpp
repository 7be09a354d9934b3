#include <gtest/gtest.h>

#include <QPair>
#include <map>

#include "register/store/database.h"
#include "register/store/table.h"
#include "reports/award_summary.h"
#include "reports/summary_panel.h"
#include "support/data_folder.h"
#include "support/qt_printers.h"
#include "support/recorded_progress.h"

namespace {

using reports::SummaryCounts;
using reports::SummaryKind;
using reports::SummaryRow;

// Sets the status (and group) of listed references of the sample folder.
void setRecords(TestDataFolder& folder, const std::vector<std::tuple<QString, QString, QString>>& records) {
    for (const auto& [reference, status, group] : records)
        folder.execute(QStringLiteral("UPDATE \"IOTA-%1\" SET Status = '%2', ABW = '%3' WHERE IOTA = '%4'")
                           .arg(reference.left(2), status, group, reference));
}

std::map<QString, SummaryCounts> byKey(const std::vector<SummaryRow>& rows) {
    std::map<QString, SummaryCounts> counts;
    for (const SummaryRow& row : rows) counts[row.key] = row.counts;
    return counts;
}

std::string describe(const SummaryCounts& c) {
    return QStringLiteral("a %1 c %2 w %3 ac %4 acw %5 tot %6")
        .arg(c.a)
        .arg(c.c)
        .arg(c.w)
        .arg(c.ac)
        .arg(c.acw)
        .arg(c.tot)
        .toStdString();
}

// A summary counted on the folder, with every (table, filter) the handle was opened with and the
// progress steps.
struct CountedSummary {
    std::vector<SummaryRow> rows;
    QList<QPair<QString, QString>> opened;
    std::vector<int> steps;
    QString tableAfter;
    QString filterAfter;
    bool filteredAfter = false;
    bool activeAfter = true;
};

CountedSummary count(const TestDataFolder& folder, SummaryKind kind) {
    store::Database db(folder.dataFolder());
    store::Table table(db);
    CountedSummary result;
    QObject::connect(&table, &store::Table::recordSetChanged, [&] {
        if (table.Active()) result.opened.append({table.TableName(), table.Filter()});
    });
    RecordedProgress progress;
    result.rows = reports::countSummary(table, kind, progress);
    result.steps = progress.steps;
    result.tableAfter = table.TableName();
    result.filterAfter = table.Filter();
    result.filteredAfter = table.Filtered();
    result.activeAfter = table.Active();
    return result;
}

class AwardSummary : public ::testing::Test {
protected:
    TestDataFolder folder;
};

TEST_F(AwardSummary, CountsEachStatusOfAContinentAndLeavesDeletedAndUnallocatedOut) {
    setRecords(folder, {{"EU-001", "A", ""}, {"EU-005", "C", ""}, {"EU-007", "W", ""}, {"EU-115", "-", ""}});
    folder.execute("UPDATE \"IOTA-EU\" SET Status = 'D' WHERE IOTA = 'EU-002'");
    const auto counts = byKey(count(folder, SummaryKind::Continental).rows);
    EXPECT_EQ(counts.at("eu"), (SummaryCounts{1, 1, 1, 2, 3, 4})) << describe(counts.at("eu"));
    EXPECT_EQ(counts.at("af"), (SummaryCounts{0, 0, 0, 0, 0, 2})) << describe(counts.at("af"));
}

TEST_F(AwardSummary, SumRowTakesItsPercentagesFromTheSummedCounts) {
    // Africa 1 of 2, Antarctica 0 of 2, every other continent 0 of 1 (the rest deleted).
    setRecords(folder, {{"AF-001", "A", ""},
                        {"AS-004", "D", ""},
                        {"EU-005", "D", ""},
                        {"EU-007", "D", ""},
                        {"EU-115", "D", ""},
                        {"NA-015", "D", ""},
                        {"OC-002", "D", ""},
                        {"SA-006", "D", ""}});
    const CountedSummary summary = count(folder, SummaryKind::Continental);
    ASSERT_EQ(summary.rows.size(), 8u);
    const SummaryRow& sum = summary.rows.back();
    EXPECT_EQ(sum.key, "tot");
    EXPECT_EQ(sum.caption, "Sum");
    EXPECT_EQ(sum.counts, (SummaryCounts{1, 0, 0, 1, 1, 9})) << describe(sum.counts);
    EXPECT_EQ(reports::percentText(sum.counts.ac, sum.counts.tot), "( 11% )") << "not the mean of the continents";
}

TEST_F(AwardSummary, ATableOfDeletedAndUnallocatedRecordsHasNoQualifyingIsland) {
    setRecords(folder, {{"AN-001", "D", ""}, {"AN-002", "U", ""}});
    const auto counts = byKey(count(folder, SummaryKind::Continental).rows);
    EXPECT_EQ(counts.at("an"), SummaryCounts{}) << describe(counts.at("an"));
    const reports::SummaryPanelText panel =
        reports::summaryPanelText(SummaryKind::Continental, count(folder, SummaryKind::Continental).rows);
    EXPECT_EQ(panel.valueLabels.value("L_an_p"), "( - )");
    EXPECT_EQ(panel.valueLabels.value("L_an_pw"), "( - )");
}

TEST_F(AwardSummary, GroupsCountOnlyTheirRecordsInTheirOwnTables) {
    setRecords(folder, {{"EU-001", "A", "A"},
                        {"AS-001", "C", "A"},
                        {"NA-001", "W", "A"},
                        {"OC-001", "A", "A"},
                        {"EU-005", "C", "B"},
                        {"EU-007", "-", "B"},
                        {"NA-015", "W", "W"},
                        {"SA-001", "A", "W"},
                        {"SA-006", "D", "W"}});
    const auto counts = byKey(count(folder, SummaryKind::Group).rows);
    ASSERT_EQ(counts.size(), 3u);
    EXPECT_EQ(counts.at("ai"), (SummaryCounts{1, 1, 1, 2, 3, 3}))
        << "OC-001 is no Arctic island: " << describe(counts.at("ai"));
    EXPECT_EQ(counts.at("bi"), (SummaryCounts{0, 1, 0, 1, 1, 2})) << describe(counts.at("bi"));
    EXPECT_EQ(counts.at("wi"), (SummaryCounts{1, 0, 1, 1, 2, 2})) << describe(counts.at("wi"));
    EXPECT_EQ(byKey(count(folder, SummaryKind::Continental).rows).at("oc").a, 1) << "OC-001 counts for Oceania";
}

TEST_F(AwardSummary, PrintedSummaryCountsTheSameRecordsAsTheScreen) {
    setRecords(folder, {{"EU-001", "A", "A"},
                        {"AS-001", "C", "A"},
                        {"NA-001", "W", "A"},
                        {"EU-005", "C", "B"},
                        {"EU-007", "W", "B"},
                        {"NA-015", "W", "W"},
                        {"SA-001", "A", "W"},
                        {"AF-003", "C", ""}});
    const CountedSummary printed = count(folder, SummaryKind::Printed);
    std::vector<SummaryRow> screen = count(folder, SummaryKind::Continental).rows;
    const std::vector<SummaryRow> groups = count(folder, SummaryKind::Group).rows;
    screen.insert(screen.end(), groups.begin(), groups.end());
    ASSERT_EQ(printed.rows.size(), 11u);
    const QStringList printCaptions{"Africa",         "Antarctica",    "Asia",         "Europe",
                                    "Northamerica",   "Oceania",       "Southamerica", "Total score",
                                    "Arctic Islands", "British Isles", "West Indies"};
    for (size_t i = 0; i < screen.size(); ++i) {
        EXPECT_EQ(printed.rows[i].key, screen[i].key);
        EXPECT_EQ(printed.rows[i].caption, printCaptions[i]);
        EXPECT_EQ(printed.rows[i].counts, screen[i].counts)
            << screen[i].key.toStdString() << ": printed " << describe(printed.rows[i].counts) << ", screen "
            << describe(screen[i].counts);
    }
}

TEST_F(AwardSummary, ContinentalSummaryCountsWithItsOwnLiterals) {
    const CountedSummary summary = count(folder, SummaryKind::Continental);
    ASSERT_EQ(summary.opened.size(), 42);
    const QStringList africa{"Status = 'A'",
                             "Status = 'C'",
                             "Status = 'W'",
                             "Status = 'A' or Status = 'C'",
                             "Status = 'A' or Status = 'C' or Status = 'W'",
                             "Status = 'A' or Status = 'C' or Status = 'W' or Status = '-'"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(summary.opened[i], qMakePair(QString("IOTA-AF"), africa[i])) << "count " << i;
        EXPECT_EQ(summary.opened[6 + i].first, "IOTA-AN");
    }
    for (int continent = 1; continent < 7; ++continent)
        EXPECT_EQ(summary.opened[continent * 6 + 4].second, "Status = 'A' or Status = 'W' or Status = 'C'")
            << "acw of continent " << continent;
    EXPECT_EQ(summary.tableAfter, "IOTA-SA");
    EXPECT_EQ(summary.filterAfter, "Status = 'A' or Status = 'C' or Status = 'W' or Status = '-'");
    EXPECT_TRUE(summary.filteredAfter);
    EXPECT_FALSE(summary.activeAfter);
    EXPECT_EQ(summary.steps, (std::vector<int>{14, 14, 14, 14, 14, 14, 15}));
}

TEST_F(AwardSummary, GroupSummaryCountsWithItsOwnLiterals) {
    const CountedSummary summary = count(folder, SummaryKind::Group);
    ASSERT_EQ(summary.opened.size(), 36);
    const QStringList arctic{"Status = 'A' and ABW = 'A'",
                             "Status = 'C' and ABW = 'A'",
                             "Status = 'W' and ABW = 'A'",
                             "(Status = 'A' or Status = 'C') and ABW = 'A'",
                             "(Status = 'A' or Status = 'C' or Status = 'W') and ABW = 'A'",
                             "(Status = 'A' or Status = 'C'  or Status = 'W' or Status = '-')and ABW = 'A'"};
    const QStringList tables{"IOTA-EU", "IOTA-AS", "IOTA-NA", "IOTA-EU", "IOTA-NA", "IOTA-SA"};
    for (int t = 0; t < tables.size(); ++t)
        for (int i = 0; i < 6; ++i) EXPECT_EQ(summary.opened[t * 6 + i].first, tables[t]) << "count " << t * 6 + i;
    for (int i = 0; i < 6; ++i) EXPECT_EQ(summary.opened[i].second, arctic[i]) << "count " << i;
    EXPECT_EQ(summary.opened[18].second, "Status = 'A' and ABW = 'B'");
    EXPECT_EQ(summary.filterAfter, "(Status = 'A' or Status = 'C'  or Status = 'W' or Status = '-')and ABW = 'W'");
    EXPECT_EQ(summary.tableAfter, "IOTA-SA");
    EXPECT_EQ(summary.steps, (std::vector<int>{16, 16, 17, 17, 17, 17}));
}

TEST_F(AwardSummary, PrintedSummaryAddsUpAcAndAcwForArcticIslandsAndWestIndies) {
    const CountedSummary summary = count(folder, SummaryKind::Printed);
    ASSERT_EQ(summary.opened.size(), 42 + 3 * 4 + 6 + 2 * 4);
    EXPECT_EQ(summary.opened[5].second, "Status = 'A' or Status = 'W' or Status = 'C' or Status = '-'")
        << "Africa's printed tot";
    EXPECT_EQ(summary.opened[6 + 4].second, "Status = 'A' or Status = 'C' or Status = 'W'") << "Antarctica's acw";
    const QStringList arcticEurope{"Status = 'A' and ABW = 'A'", "Status = 'C' and ABW = 'A'",
                                   "Status = 'W' and ABW = 'A'",
                                   "(Status = 'A' or Status = 'C' or Status = 'W' or Status = '-')and ABW = 'A'"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(summary.opened[42 + i], qMakePair(QString("IOTA-EU"), arcticEurope[i]));
    EXPECT_EQ(summary.opened[54 + 3].second, "(Status = 'A' or Status = 'C') and ABW = 'B'");
    EXPECT_EQ(summary.opened[54 + 4].second, "(Status = 'A' or Status = 'C' or Status = 'W') and ABW = 'B'");
    EXPECT_EQ(summary.filterAfter, "(Status = 'A' or Status = 'C' or Status = 'W' or Status = '-')and ABW = 'W'");
    EXPECT_EQ(summary.steps, (std::vector<int>{11, 11, 11, 11, 11, 11, 11, 11, 11}));
}

TEST_F(AwardSummary, GroupPanelBlanksTheRowsItDoesNotUseAndContinentsFillThemAgain) {
    setRecords(folder, {{"EU-005", "C", "B"}});
    const reports::SummaryPanelText groups =
        reports::summaryPanelText(SummaryKind::Group, count(folder, SummaryKind::Group).rows);
    EXPECT_EQ(groups.SumPanelLabel, "Group Summary");
    const std::array<QString, 8> groupCaptions{"Arctic Islands", "British Isles", "West Indies", "", "", "", "", ""};
    EXPECT_EQ(groups.rowCaptions, groupCaptions);
    EXPECT_EQ(groups.valueLabels.size(), 64);
    EXPECT_EQ(groups.valueLabels.value("L_an_c"), "1") << "British Isles stand in row an";
    for (const QString row : {"eu", "na", "oc", "sa", "tot"})
        for (const reports::SummaryColumn& column : reports::summaryColumns()) {
            const QString label = QStringLiteral("L_%1_%2").arg(row, column.key);
            EXPECT_TRUE(groups.valueLabels.contains(label)) << label.toStdString();
            EXPECT_EQ(groups.valueLabels.value(label), "") << label.toStdString();
        }

    const reports::SummaryPanelText continents =
        reports::summaryPanelText(SummaryKind::Continental, count(folder, SummaryKind::Continental).rows);
    EXPECT_EQ(continents.SumPanelLabel, "Continental Summary");
    const std::array<QString, 8> continentCaptions{"Africa",       "Antarctica", "Asia",         "Europe",
                                                   "Northamerica", "Oceania",    "Southamerica", "Sum"};
    EXPECT_EQ(continents.rowCaptions, continentCaptions);
    for (auto label = continents.valueLabels.cbegin(); label != continents.valueLabels.cend(); ++label)
        EXPECT_FALSE(label.value().isEmpty()) << label.key().toStdString();
    EXPECT_EQ(continents.valueLabels.value("L_tot_tot"), "16");
}

TEST_F(AwardSummary, AMissingTableEndsTheCountWithAFailure) {
    folder.removeTable("IOTA-NA");
    store::Database db(folder.dataFolder());
    store::Table table(db);
    EXPECT_ANY_THROW(reports::countSummary(table, SummaryKind::Continental));
}

}  // namespace
