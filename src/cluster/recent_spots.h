#pragma once

#include <deque>
#include <vector>

#include "cluster/spot_matcher.h"

// The island spots of a session, newest first, at most kKept of them: what a spots list shows,
// one row per spot and reference. Spots naming no reference are not kept, so a busy node's
// traffic does not push the islands out.
class RecentSpots {
public:
    static constexpr qsizetype kKept = 1000;

    // Adds a batch (oldest first); the oldest spots beyond kKept fall off the end.
    void add(const std::vector<IslandSpot>& spots);
    // Lets the oldest spots go, so that a list can tell of their removal before a batch comes.
    void dropOldest(qsizetype count);

    qsizetype size() const { return qsizetype(m_spots.size()); }
    // Row 0 is the newest.
    const IslandSpot& at(qsizetype row) const { return m_spots[size_t(row)]; }

    // The records as the register holds them now, after an import changed statuses.
    void restate(const SpotMatcher& matcher);

    void clear() { m_spots.clear(); }

private:
    std::deque<IslandSpot> m_spots;
};
