#pragma once

#include <chrono>

// How long to wait before connecting to a node again after it could not be reached or dropped
// the connection: the shortest wait first, then twice the wait before, up to the longest. A node
// is never asked more often than every 5 seconds, and at least every 5 minutes once it is back.
class ReconnectPolicy {
public:
    static constexpr std::chrono::milliseconds kShortestWait = std::chrono::seconds(5);
    static constexpr std::chrono::milliseconds kLongestWait = std::chrono::minutes(5);

    ReconnectPolicy() = default;
    // Other waits serve the tests, which cannot wait minutes.
    ReconnectPolicy(std::chrono::milliseconds shortest, std::chrono::milliseconds longest);

    // The wait before the next attempt; each call gives the next, longer one.
    std::chrono::milliseconds nextWait();

    // A login succeeded: the next drop is waited out with the shortest wait again.
    void reset();

private:
    std::chrono::milliseconds m_shortest = kShortestWait;
    std::chrono::milliseconds m_longest = kLongestWait;
    std::chrono::milliseconds m_next = kShortestWait;
};
