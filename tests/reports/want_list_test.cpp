#include <gtest/gtest.h>

#include "base/clock.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "reports/want_list.h"
#include "support/data_folder.h"
#include "support/qt_printers.h"
#include "support/recorded_progress.h"

namespace {

using reports::wantListEntry;
using reports::wantListKinds;

// Listed references 001 up to a number for each continent code.
std::vector<ListedIsland> listed(const std::vector<std::pair<QString, int>>& counts) {
    std::vector<ListedIsland> islands;
    for (const auto& [code, count] : counts)
        for (int number = 1; number <= count; ++number)
            islands.push_back({QStringLiteral("%1-%2").arg(code).arg(number, 3, 10, QChar('0')),
                               QStringLiteral("Island %1").arg(number), code});
    return islands;
}

// The entries of references first..last of a continent, as the needed list writes them.
QString entries(const QString& code, int first, int last) {
    QString line;
    for (int number = first; number <= last; ++number)
        line += wantListEntry(QStringLiteral("%1-%2").arg(code).arg(number, 3, 10, QChar('0')), "-");
    return line;
}

TEST(WantListEntry, BothFormsTakeNineCharacters) {
    EXPECT_EQ(wantListEntry("EU-005", "-"), "  EU-005 ");
    EXPECT_EQ(wantListEntry("EU-005", "W"), " (EU-005)");
    EXPECT_EQ(wantListEntry("EU-005", "w"), "  EU-005 ") << "the status is compared exactly";
}

TEST(WantListHeader, NamesTheOwnerTheMomentAndTheWorkedMark) {
    EXPECT_EQ(reports::wantListHeader("DL1ABC", "05.03.2004 14:07:09", wantListKinds()[0]),
              "Want List for DL1ABC as of 05.03.2004 14:07:09");
    EXPECT_EQ(reports::wantListHeader("DL1ABC", "05.03.2004 14:07:09", wantListKinds()[1]),
              "Want List for DL1ABC as of 05.03.2004 14:07:09 / ( )=worked!");
    EXPECT_EQ(wantListKinds()[0].filter, "Status = '-'");
    EXPECT_EQ(wantListKinds()[1].filter, "Status = '-' or Status = 'W'");
    EXPECT_EQ(wantListKinds()[0].caption, "&needed (-)");
    EXPECT_EQ(wantListKinds()[1].caption, "n&eeded (-/W)");
}

class WantListText : public ::testing::Test {
protected:
    WantListText() : folder(listed({{"AF", 19}, {"AN", 20}, {"AS", 38}, {"EU", 39}, {"OC", 3}, {"SA", 2}})) {}

    QStringList text(int kind, std::vector<int>* steps = nullptr) {
        store::Database db(folder.dataFolder());
        store::Table table(db);
        RecordedProgress progress;
        const QStringList memo = reports::wantListText(table, wantListKinds()[kind], progress);
        if (steps) *steps = progress.steps;
        tableAfter = table.TableName();
        filterAfter = table.Filter();
        activeAfter = table.Active();
        return memo;
    }

    TestDataFolder folder;
    QString tableAfter;
    QString filterAfter;
    bool activeAfter = false;
};

TEST_F(WantListText, NineteenEntriesToALine) {
    const QStringList expected{
        "Africa:",
        entries("AF", 1, 19),
        "",
        "Antarctica:",
        entries("AN", 1, 19),
        entries("AN", 20, 20),
        "",
        "Asia:",
        entries("AS", 1, 19),
        entries("AS", 20, 38),
        "",
        "Europe:",
        entries("EU", 1, 19),
        entries("EU", 20, 38),
        entries("EU", 39, 39),
        "",
        "Northamerica:",
        "",
        "",
        "Oceania:",
        entries("OC", 1, 3),
        "",
        "Southamerica:",
        entries("SA", 1, 2),
        "",
    };
    const QStringList memo = text(0);
    for (qsizetype line = 0; line < std::max(memo.size(), expected.size()); ++line)
        ASSERT_EQ(memo.value(line, "<none>"), expected.value(line, "<none>")) << "line " << line + 1;
    EXPECT_EQ(memo[1].size(), 171) << "19 entries of nine characters";
}

TEST_F(WantListText, OnlyWorkedReferencesStandInParentheses) {
    folder.execute("UPDATE \"IOTA-OC\" SET Status = 'W' WHERE IOTA = 'OC-002'");
    folder.execute("UPDATE \"IOTA-SA\" SET Status = 'A' WHERE IOTA = 'SA-001'");
    folder.execute("UPDATE \"IOTA-SA\" SET Status = 'C' WHERE IOTA = 'SA-002'");
    const QStringList needed = text(0);
    for (const QString& line : needed) EXPECT_FALSE(line.contains('(')) << line.toStdString();
    EXPECT_EQ(needed[needed.indexOf("Oceania:") + 1], "  OC-001   OC-003 ");
    EXPECT_EQ(needed[needed.indexOf("Southamerica:") + 1], "") << "approved and claimed are not wanted";

    const QStringList worked = text(1);
    EXPECT_EQ(worked[worked.indexOf("Oceania:") + 1], "  OC-001  (OC-002)  OC-003 ") << "kept in reference order";
    EXPECT_EQ(worked.join('\n').count('('), 1);
}

TEST_F(WantListText, AdvancesTheGaugeAndLeavesTheHandleOnSouthamerica) {
    std::vector<int> steps;
    text(1, &steps);
    EXPECT_EQ(steps, (std::vector<int>{14, 14, 14, 14, 14, 14, 16}));
    EXPECT_EQ(tableAfter, "IOTA-SA");
    EXPECT_EQ(filterAfter, "Status = '-' or Status = 'W'");
    EXPECT_TRUE(activeAfter) << "WantListAdd leaves the table open";
}

TEST_F(WantListText, WantListAddAppendsOneSection) {
    store::Database db(folder.dataFolder());
    store::Table table(db);
    QStringList memo{"before"};
    reports::WantListAdd(table, memo, "Antarctica:", "IOTA-AN", "Status = '-'");
    EXPECT_EQ(memo, (QStringList{"before", "Antarctica:", entries("AN", 1, 19), entries("AN", 20, 20), ""}));
}

}  // namespace
