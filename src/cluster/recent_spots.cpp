#include "cluster/recent_spots.h"

void RecentSpots::add(const std::vector<IslandSpot>& spots) {
    for (const IslandSpot& spot : spots) m_spots.push_front(spot);
    if (m_spots.size() > size_t(kKept)) m_spots.resize(size_t(kKept));
}

void RecentSpots::restate(const SpotMatcher& matcher) {
    for (IslandSpot& spot : m_spots) spot.island = matcher.lookUp(spot.island.reference);
}
