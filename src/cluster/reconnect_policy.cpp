#include "cluster/reconnect_policy.h"

#include <algorithm>

ReconnectPolicy::ReconnectPolicy(std::chrono::milliseconds shortest, std::chrono::milliseconds longest)
    : m_shortest(shortest), m_longest(std::max(shortest, longest)), m_next(shortest) {}

std::chrono::milliseconds ReconnectPolicy::nextWait() {
    const std::chrono::milliseconds wait = m_next;
    m_next = std::min(m_next * 2, m_longest);
    return wait;
}

void ReconnectPolicy::reset() {
    m_next = m_shortest;
}
