// Spotted references against the register: where each status stands, the band of a frequency,
// and which spots the two lists select.
#include <gtest/gtest.h>

#include "cluster/bands.h"
#include "cluster/recent_spots.h"
#include "cluster/spot_matcher.h"
#include "support/qt_printers.h"

namespace {

IslandRecordStates registerOf(std::initializer_list<std::pair<const char*, const char*>> statuses) {
    IslandRecordStates records;
    for (const auto& [reference, status] : statuses)
        records.insert(reference, {"IOTA-" + QString::fromLatin1(reference).left(2),
                                   QStringLiteral("Island %1").arg(reference), status});
    return records;
}

Spot spotSaying(const QString& comment, double kHz = 14025.0) {
    Spot spot;
    spot.spotter = "K1ABC";
    spot.kHz = kHz;
    spot.frequency = QString::number(kHz, 'f', 1);
    spot.dxCall = "ZC4UW";
    spot.comment = comment;
    spot.time = "1206Z";
    return spot;
}

TEST(SpotMatcher, EachStatusStandsAsTheRegisterSays) {
    const SpotMatcher matcher(registerOf({{"AS-004", "-"},
                                          {"NA-103", "W"},
                                          {"EU-005", "C"},
                                          {"OC-001", "A"},
                                          {"AF-003", "D"},
                                          {"AN-002", "U"},
                                          {"SA-001", ""}}));
    const struct {
        const char* reference;
        ReferenceStanding standing;
        const char* text;
    } cases[] = {
        {"AS-004", ReferenceStanding::New, "needed"},         {"NA-103", ReferenceStanding::NeedsCard, "worked"},
        {"EU-005", ReferenceStanding::Done, "claimed"},       {"OC-001", ReferenceStanding::Done, "approved"},
        {"AF-003", ReferenceStanding::Deleted, "deleted"},    {"AN-002", ReferenceStanding::Unallocated, "unallocated"},
        {"SA-099", ReferenceStanding::NoRecord, "no record"}, {"SA-001", ReferenceStanding::OtherStatus, "status \"\""},
    };
    for (const auto& c : cases) {
        const std::vector<IslandSpot> found =
            matcher.islandSpots(spotSaying(QStringLiteral("IOTA %1").arg(c.reference)));
        ASSERT_EQ(found.size(), 1u) << c.reference;
        EXPECT_EQ(found[0].island.reference, c.reference);
        EXPECT_EQ(found[0].island.standing, c.standing) << c.reference;
        EXPECT_EQ(statusText(found[0].island), c.text) << c.reference;
        EXPECT_EQ(found[0].island.island,
                  c.standing == ReferenceStanding::NoRecord ? QString() : QStringLiteral("Island %1").arg(c.reference));
    }
}

TEST(SpotMatcher, ASpotNamingTwoReferencesGivesTwoAndOneNamingNoneGivesNone) {
    const SpotMatcher matcher(registerOf({{"EU-005", "-"}, {"EU-115", "W"}}));
    const std::vector<IslandSpot> two = matcher.islandSpots(spotSaying("EU-005 & EU-115", 7025.0));
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0].island.reference, "EU-005");
    EXPECT_EQ(two[1].island.reference, "EU-115");
    EXPECT_EQ(two[1].island.standing, ReferenceStanding::NeedsCard);
    EXPECT_EQ(two[0].band, "40m");
    EXPECT_EQ(two[0].spot.dxCall, "ZC4UW");
    EXPECT_TRUE(matcher.islandSpots(spotSaying("New DX NA 579 tnx EU7F")).empty());
}

TEST(SpotMatcher, BandOfAFrequency) {
    const struct {
        double kHz;
        const char* band;
    } cases[] = {
        {1820.7, "160m"}, {3507.9, "80m"},   {5359, "60m"},  {7103.1, "40m"},  {10123, "30m"},
        {14074, "20m"},   {18068, "17m"},    {18168, "17m"}, {21004.8, "15m"}, {24896, "12m"},
        {28187.9, "10m"}, {50313, "6m"},     {144174, "2m"}, {432100, "70cm"}, {10368887, "3cm"},
        {1002300, ""},    {2409500, "13cm"}, {9000, ""},     {0, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(bandOf(c.kHz), c.band) << c.kHz;
}

TEST(SpotMatcher, TheListsSelectNeededOrNeededAndWorked) {
    using enum ReferenceStanding;
    const ReferenceStanding all[] = {New, NeedsCard, Done, Deleted, Unallocated, NoRecord, OtherStatus};
    for (const ReferenceStanding standing : all) {
        EXPECT_EQ(isSelected(SpotSelection::Needed, standing), standing == New);
        EXPECT_EQ(isSelected(SpotSelection::NeededWorked, standing), standing == New || standing == NeedsCard);
        EXPECT_TRUE(isSelected(SpotSelection::Any, standing));
    }
}

// The kept spots hold the newest first, drop the oldest beyond a thousand, and take the
// register's statuses anew after an import.
TEST(RecentSpots, KeepsTheNewestThousandAndTakesNewStatuses) {
    const SpotMatcher before(registerOf({{"EU-005", "-"}}));
    RecentSpots recent;
    for (int batch = 0; batch < 3; ++batch) {
        std::vector<IslandSpot> spots;
        for (int i = 0; i < 400; ++i) {
            Spot spot = spotSaying("EU-005");
            spot.dxCall = QStringLiteral("G%1").arg(batch * 400 + i);
            spots.push_back(before.islandSpots(spot).front());
        }
        recent.add(spots);
    }
    ASSERT_EQ(recent.size(), RecentSpots::kKept);
    EXPECT_EQ(recent.at(0).spot.dxCall, "G1199");
    EXPECT_EQ(recent.at(RecentSpots::kKept - 1).spot.dxCall, "G200");
    recent.restate(SpotMatcher(registerOf({{"EU-005", "W"}})));
    EXPECT_EQ(recent.at(0).island.standing, ReferenceStanding::NeedsCard);
    EXPECT_EQ(recent.at(999).island.status, "W");
}

}  // namespace
