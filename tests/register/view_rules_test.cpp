#include <gtest/gtest.h>

#include "register/display_modes.h"
#include "register/editing_rules.h"
#include "register/store/filter.h"

namespace {

const QStringList kIslandFields{"Key", "ABW", "IOTA", "Prefix", "Island", "Call", "Status", "Comment"};

TEST(DisplayModes, EveryFilterParsesAndGroupFiltersEndInTheQuotedGroup) {
    for (const DisplayMode& mode : displayModes()) {
        EXPECT_NO_THROW(store::FilterExpression::parse(mode.continentFilter, "IOTA-EU", kIslandFields))
            << mode.caption.toStdString();
        const auto filter = groupFilter(mode, "B");
        if (!filter) continue;
        EXPECT_TRUE(filter->endsWith("ABW = 'B'")) << filter->toStdString();
        EXPECT_NO_THROW(store::FilterExpression::parse(*filter, "IOTA-EU", kIslandFields));
    }
    EXPECT_EQ(groupFilter(displayModes()[6], "B"), "Status = 'W'  and ABW = 'B'");
    EXPECT_EQ(groupFilter(displayModes()[0], "A"), "ABW = 'A'");
    EXPECT_EQ(displayModes()[9].continentFilter, "Call = '/*'");
    EXPECT_FALSE(groupFilter(displayModes()[9], "W")) << "/Call keeps the filter of the group view";
}

TEST(EditingRules, StatusChangesOfTheCallsignField) {
    const CallAndStatus approved{"G3X", "A"};
    EXPECT_EQ(callsignExit("OH0A", approved, StatusAnswer::Worked), (CallAndStatus{"OH0A", "W"}));
    EXPECT_EQ(callsignExit("OH0A", approved, StatusAnswer::Claim), (CallAndStatus{"OH0A", "C"}));
    EXPECT_EQ(callsignExit("OH0A", approved, StatusAnswer::Undo), approved);
    EXPECT_EQ(callsignExit("", approved, std::nullopt), approved);
    EXPECT_EQ(callsignExit("", CallAndStatus{"", "U"}, std::nullopt), (CallAndStatus{"", "U"}));
    EXPECT_EQ(callsignExit("", CallAndStatus{"X1", "U"}, std::nullopt), (CallAndStatus{"", "U"}));
}

TEST(EditingRules, StatusBoxWarnings) {
    EXPECT_TRUE(needsCallsignFirst({"", "W"}));
    EXPECT_TRUE(needsCallsignFirst({"", "C"}));
    EXPECT_FALSE(needsCallsignFirst({"G3X", "W"}));
    EXPECT_FALSE(needsCallsignFirst({"", "A"})) << "a typed A is stored as typed";
    EXPECT_TRUE(deletesCallsign({"G3X", "-"}));
    EXPECT_FALSE(deletesCallsign({"", "-"}));
}

TEST(EditingRules, JumpReachesEveryNumberUpToTheRecordCount) {
    EXPECT_EQ(jumpReference("5", "IOTA-EU", 120), "EU-005");
    EXPECT_EQ(jumpReference("57", "IOTA-EU", 120), "EU-057");
    EXPECT_EQ(jumpReference("120", "IOTA-EU", 120), "EU-120") << "the last reference is reachable";
    EXPECT_EQ(jumpReference("1", "IOTA-SA", 120), "SA-001");
    for (const char* refused : {"0", "121", "x", "", "-3", "1.5", "5 "})
        EXPECT_FALSE(jumpReference(refused, "IOTA-EU", 120)) << refused;
}

}  // namespace
