#pragma once

#include "cluster/cluster_client.h"

// Short times, so that quiet nodes and waits to reconnect pass within a test.
inline ClusterTimings shortTimings() {
    using std::chrono::milliseconds;
    ClusterTimings timings;
    timings.batch = milliseconds(20);
    timings.keepAlive = milliseconds(40);
    timings.quiet = milliseconds(80);
    timings.giveUp = milliseconds(200);
    timings.reconnect = ReconnectPolicy(milliseconds(20), milliseconds(80));
    return timings;
}
