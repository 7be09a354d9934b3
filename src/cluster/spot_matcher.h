#pragma once

#include <QString>
#include <vector>

#include "cluster/spot_line.h"
#include "logimport/adif_import.h"

// Where a spotted reference stands in the register.
enum class ReferenceStanding {
    New,          // needed ("-"): a new one
    NeedsCard,    // worked ("W"): a card still wanted
    Done,         // claimed ("C") or approved ("A")
    Deleted,      // "D"
    Unallocated,  // "U"
    NoRecord,     // the register has no such reference
    OtherStatus,  // a record with a status of no known code (an empty one)
};

// A reference a spot names, with its record as the register holds it.
struct SpotReference {
    QString reference;  // "EU-005"
    QString island;     // the record's island name; empty without a record
    QString status;     // the record's status code; empty without a record
    ReferenceStanding standing = ReferenceStanding::NoRecord;
};

// "needed", "worked", "claimed", "approved", "deleted", "unallocated", "no record", or for an
// unknown status code "status "X"".
QString statusText(const SpotReference& reference);

// One reference a spot names, with the spot and its band: a spot naming two references gives two.
struct IslandSpot {
    Spot spot;
    QString band;  // empty outside the amateur bands
    SpotReference island;
};

// Which island spots a list shows: the needed references only, needed and worked, or every one.
enum class SpotSelection { Needed, NeededWorked, Any };

bool isSelected(SpotSelection selection, ReferenceStanding standing);

// Matches spots against the register's island records as they were read.
class SpotMatcher {
public:
    SpotMatcher() = default;
    explicit SpotMatcher(IslandRecordStates records) : m_records(std::move(records)) {}

    // One island spot per reference the spot's comment names (islandReferencesIn).
    std::vector<IslandSpot> islandSpots(const Spot& spot) const;

    // The record of a reference ("EU-005") and where it stands.
    SpotReference lookUp(const QString& reference) const;

private:
    IslandRecordStates m_records;
};
