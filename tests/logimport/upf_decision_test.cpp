#include <gtest/gtest.h>

#include "logimport/upf_decision.h"
#include "logimport/upf_mode_choices.h"

namespace {

struct DecisionRow {
    const char* recordStatus;
    const char* worked;  // nullptr: left as it is
    const char* claim;
};

constexpr DecisionRow kDecisions[] = {
    {"C", nullptr, nullptr}, {"A", nullptr, nullptr}, {"W", nullptr, "C"}, {"-", "W", "C"},
    {"D", "W", "C"},         {"U", "W", "C"},         {"", "W", "C"},
};

std::string shown(const std::optional<QString>& status) {
    return status ? status->toStdString() : "unchanged";
}

TEST(UpfDecisionTable, WritesByStatusAndMode) {
    for (const DecisionRow& row : kDecisions) {
        const auto expect = [](const char* status) { return status ? std::optional<QString>(status) : std::nullopt; };
        EXPECT_EQ(shown(upfStatusToWrite(row.recordStatus, ImportMode::Worked)), shown(expect(row.worked)))
            << "record status \"" << row.recordStatus << "\" in Worked mode";
        EXPECT_EQ(shown(upfStatusToWrite(row.recordStatus, ImportMode::Claim)), shown(expect(row.claim)))
            << "record status \"" << row.recordStatus << "\" in Claim mode";
    }
}

TEST(UpfModeDialog, ShowsTwentyNineLinesAndTheirRulesForBothModes) {
    const QStringList& lines = upfmode::memoLines();
    ASSERT_EQ(lines.size(), 29);
    EXPECT_EQ(lines[0], "Procedure to import islands, either worked or confirmed, ");
    EXPECT_EQ(lines[7], "Selected input mode (\"Worked\", no qsl card received yet)");
    EXPECT_EQ(lines[12], "        IOTA-ref + Call         \"-\"                     overwrite with \"W\" + Call");
    EXPECT_EQ(lines[24], "        IOTA-ref + Call       \"W\"orked        overwrite with \"C\" + Call");
    EXPECT_EQ(lines[28], "");
    EXPECT_EQ(QString(upfmode::kCaption), "Enter Import Mode (UPF)");
}

TEST(UpfModeDialog, ButtonsGiveTheirResultsAndEscapeMeansClaim) {
    const auto& buttons = upfmode::buttons();
    EXPECT_STREQ(buttons[0].caption, "&Worked");
    EXPECT_EQ(buttons[0].role, upfmode::ButtonRole::Default);
    EXPECT_STREQ(buttons[1].caption, "&Claim!");
    EXPECT_EQ(buttons[1].role, upfmode::ButtonRole::Cancel);
    EXPECT_STREQ(buttons[2].caption, "&Abort");
    EXPECT_EQ(upfmode::modeForResult(upfmode::kResultNo), ImportMode::Worked);
    EXPECT_EQ(upfmode::modeForResult(upfmode::kResultYes), ImportMode::Claim);
    EXPECT_EQ(upfmode::modeForResult(upfmode::kResultCancel), std::nullopt) << "Abort and closing import nothing";
    EXPECT_EQ(upfmode::modeForResult(0), std::nullopt);
}

}  // namespace
