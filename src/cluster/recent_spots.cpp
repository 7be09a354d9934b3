#include "cluster/recent_spots.h"

#include <algorithm>

void RecentSpots::add(const std::vector<IslandSpot>& spots) {
    for (const IslandSpot& spot : spots) m_spots.push_front(spot);
    if (m_spots.size() > size_t(kKept)) m_spots.resize(size_t(kKept));
}

void RecentSpots::dropOldest(qsizetype count) {
    m_spots.resize(m_spots.size() - size_t(std::min(count, size())));
}

void RecentSpots::restate(const SpotMatcher& matcher) {
    for (IslandSpot& spot : m_spots) spot.island = matcher.lookUp(spot.island.reference);
}
