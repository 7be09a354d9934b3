// The alert rule on a clock the test moves: a needed reference alerts once per call and
// reference within 30 minutes, nothing else alerts, and nothing while alerts are off.
#include <gtest/gtest.h>

#include "base/clock.h"
#include "cluster/spot_alerts.h"
#include "support/qt_printers.h"

namespace {

class MovingClock : public Clock {
public:
    QDateTime now() const override { return m_now; }
    void move(std::chrono::minutes minutes) { m_now = m_now.addSecs(minutes.count() * 60); }

private:
    QDateTime m_now{QDate(2026, 12, 9), QTime(12, 0), Qt::UTC};
};

IslandSpot islandSpot(const char* dxCall, const char* reference, ReferenceStanding standing = ReferenceStanding::New) {
    Spot spot;
    spot.spotter = "K1ABC";
    spot.frequency = "14260.0";
    spot.kHz = 14260;
    spot.dxCall = dxCall;
    spot.comment = QStringLiteral("IOTA %1 Cyprus").arg(reference);
    spot.time = "1412Z";
    const QString status = standing == ReferenceStanding::New ? "-" : "W";
    return {spot, "20m", {reference, "Cyprus", status, standing}};
}

TEST(SpotAlertRule, OncePerCallAndReferenceWithinThirtyMinutes) {
    MovingClock clock;
    SpotAlertRule rule(clock);
    const struct {
        int minutesLater;
        const char* dxCall;
        const char* reference;
        ReferenceStanding standing;
        bool alerts;
        const char* why;
    } steps[] = {
        {0, "ZC4UW", "AS-004", ReferenceStanding::New, true, "a needed reference"},
        {1, "ZC4UW", "AS-004", ReferenceStanding::New, false, "spotted again"},
        {0, "zc4uw", "AS-004", ReferenceStanding::New, false, "the call in small letters"},
        {0, "5B4AHJ", "AS-004", ReferenceStanding::New, true, "another call"},
        {0, "ZC4UW", "AS-005", ReferenceStanding::New, true, "another reference"},
        {0, "VP2MUW", "NA-103", ReferenceStanding::NeedsCard, false, "a worked reference"},
        {0, "VP2MUW", "NA-104", ReferenceStanding::Done, false, "a confirmed reference"},
        {28, "ZC4UW", "AS-004", ReferenceStanding::New, false, "29 minutes after the alert"},
        {1, "ZC4UW", "AS-004", ReferenceStanding::New, true, "30 minutes after the alert"},
        {29, "ZC4UW", "AS-004", ReferenceStanding::New, false, "29 minutes after the second alert"},
    };
    for (const auto& step : steps) {
        clock.move(std::chrono::minutes(step.minutesLater));
        EXPECT_EQ(rule.alerts(islandSpot(step.dxCall, step.reference, step.standing)), step.alerts) << step.why;
    }
}

TEST(SpotAlertRule, NoneWhileAlertsAreOffAndNothingRemembered) {
    MovingClock clock;
    SpotAlertRule rule(clock);
    rule.setAlertsOn(false);
    EXPECT_FALSE(rule.alerts(islandSpot("ZC4UW", "AS-004")));
    rule.setAlertsOn(true);
    EXPECT_TRUE(rule.alerts(islandSpot("ZC4UW", "AS-004"))) << "a spot seen while off alerts once they are on";
}

// Many stations spotted over hours: old alerts are forgotten, recent ones still keep quiet.
TEST(SpotAlertRule, ManyCallsOverHours) {
    MovingClock clock;
    SpotAlertRule rule(clock);
    for (int call = 0; call < 1000; ++call) {
        EXPECT_TRUE(rule.alerts(islandSpot(qPrintable(QStringLiteral("G%1").arg(call)), "EU-005")));
        if (call % 100 == 99) clock.move(std::chrono::minutes(10));
    }
    EXPECT_FALSE(rule.alerts(islandSpot("G999", "EU-005")));
    EXPECT_TRUE(rule.alerts(islandSpot("G0", "EU-005")));
}

class RecordingNotifier : public Notifier {
public:
    void notify(const QString& summary, const QString& body) override { notes << summary + u'\n' + body; }
    QStringList notes;
};

TEST(SpotAlerts, ABatchNotifiesItsNeededReferencesOnce) {
    MovingClock clock;
    SpotAlertRule rule(clock);
    RecordingNotifier notifier;
    alertIslandSpots(rule, notifier,
                     {islandSpot("ZC4UW", "AS-004"), islandSpot("ZC4UW", "AS-004"),
                      islandSpot("VP2MUW", "NA-103", ReferenceStanding::NeedsCard)});
    EXPECT_EQ(
        notifier.notes,
        QStringList{"AS-004 needed: ZC4UW\n14260.0 kHz (20m), Cyprus. Spotted by K1ABC at 1412Z: IOTA AS-004 Cyprus"});
}

}  // namespace
