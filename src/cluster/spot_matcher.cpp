#include "cluster/spot_matcher.h"

#include "cluster/bands.h"
#include "cluster/island_references.h"
#include "register/codes.h"

namespace {

struct StatusStanding {
    const QString& code;
    ReferenceStanding standing;
    const char* text;
};

const StatusStanding kStatusStandings[] = {
    {status::Needed, ReferenceStanding::New, "needed"},
    {status::Worked, ReferenceStanding::NeedsCard, "worked"},
    {status::Claimed, ReferenceStanding::Done, "claimed"},
    {status::Approved, ReferenceStanding::Done, "approved"},
    {status::Deleted, ReferenceStanding::Deleted, "deleted"},
    {status::Unallocated, ReferenceStanding::Unallocated, "unallocated"},
};

const StatusStanding* standingOf(const QString& code) {
    for (const StatusStanding& row : kStatusStandings)
        if (row.code == code) return &row;
    return nullptr;
}

}  // namespace

QString statusText(const SpotReference& reference) {
    if (reference.standing == ReferenceStanding::NoRecord) return QStringLiteral("no record");
    if (const StatusStanding* row = standingOf(reference.status)) return QString::fromLatin1(row->text);
    return QStringLiteral("status \"%1\"").arg(reference.status);
}

bool isSelected(SpotSelection selection, ReferenceStanding standing) {
    switch (selection) {
        case SpotSelection::Needed:
            return standing == ReferenceStanding::New;
        case SpotSelection::NeededWorked:
            return standing == ReferenceStanding::New || standing == ReferenceStanding::NeedsCard;
        case SpotSelection::Any:
            break;
    }
    return true;
}

SpotReference SpotMatcher::lookUp(const QString& reference) const {
    const auto record = m_records.constFind(reference);
    if (record == m_records.constEnd()) return {reference, {}, {}, ReferenceStanding::NoRecord};
    const StatusStanding* row = standingOf(record->status);
    return {reference, record->island, record->status, row ? row->standing : ReferenceStanding::OtherStatus};
}

std::vector<IslandSpot> SpotMatcher::islandSpots(const Spot& spot) const {
    std::vector<IslandSpot> found;
    const QStringList references = islandReferencesIn(spot.comment);
    if (references.isEmpty()) return found;
    const QString band = bandOf(spot.kHz);
    for (const QString& reference : references) found.push_back({spot, band, lookUp(reference)});
    return found;
}
