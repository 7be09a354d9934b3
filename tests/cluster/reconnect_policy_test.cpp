// The waits before a node is asked again: from 5 seconds, doubling, never beyond 5 minutes, and
// short again once a login has worked.
#include <gtest/gtest.h>

#include "cluster/reconnect_policy.h"

namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

std::vector<milliseconds> waits(ReconnectPolicy& policy, int count) {
    std::vector<milliseconds> taken;
    for (int i = 0; i < count; ++i) taken.push_back(policy.nextWait());
    return taken;
}

TEST(ReconnectPolicy, WaitsGrowFromFiveSecondsToFiveMinutes) {
    ReconnectPolicy policy;
    const std::vector<milliseconds> expected = {seconds(5),  seconds(10),  seconds(20),  seconds(40),
                                                seconds(80), seconds(160), seconds(300), seconds(300)};
    EXPECT_EQ(waits(policy, 8), expected);
    for (const milliseconds wait : waits(policy, 100)) {
        EXPECT_GE(wait, seconds(5));
        EXPECT_LE(wait, seconds(300));
    }
    policy.reset();
    EXPECT_EQ(policy.nextWait(), seconds(5));
    EXPECT_EQ(policy.nextWait(), seconds(10));
}

TEST(ReconnectPolicy, OtherWaitsForTheTests) {
    ReconnectPolicy policy(milliseconds(20), milliseconds(70));
    EXPECT_EQ(waits(policy, 4),
              (std::vector<milliseconds>{milliseconds(20), milliseconds(40), milliseconds(70), milliseconds(70)}));
}

}  // namespace
