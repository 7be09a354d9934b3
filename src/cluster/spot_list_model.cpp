#include "cluster/spot_list_model.h"

#include <algorithm>
#include <array>

namespace {

struct SpotColumn {
    const char* title;
    QString (*text)(const IslandSpot& spot);
};

// In the order of SpotListModel::Column.
const std::array<SpotColumn, SpotListModel::ColumnCount> kColumns = {{
    {"Time", [](const IslandSpot& spot) { return spot.spot.time; }},
    {"Band", [](const IslandSpot& spot) { return spot.band; }},
    {"Frequency", [](const IslandSpot& spot) { return spot.spot.frequency; }},
    {"DX call", [](const IslandSpot& spot) { return spot.spot.dxCall; }},
    {"Reference", [](const IslandSpot& spot) { return spot.island.reference; }},
    {"Island", [](const IslandSpot& spot) { return spot.island.island; }},
    {"Status", [](const IslandSpot& spot) { return statusText(spot.island); }},
    {"Spotter", [](const IslandSpot& spot) { return spot.spot.spotter; }},
    {"Comment", [](const IslandSpot& spot) { return spot.spot.comment; }},
}};

}  // namespace

SpotListModel::SpotListModel(QObject* parent) : QAbstractTableModel(parent) {}

void SpotListModel::add(const std::vector<IslandSpot>& batch) {
    const int coming = int(std::min<qsizetype>(qsizetype(batch.size()), RecentSpots::kKept));
    if (coming == 0) return;
    const int overflow = int(m_spots.size()) + coming - int(RecentSpots::kKept);
    if (overflow > 0) {
        beginRemoveRows({}, int(m_spots.size()) - overflow, int(m_spots.size()) - 1);
        m_spots.dropOldest(overflow);
        endRemoveRows();
    }
    beginInsertRows({}, 0, coming - 1);
    if (coming == qsizetype(batch.size()))
        m_spots.add(batch);
    else
        m_spots.add(std::vector<IslandSpot>(batch.end() - coming, batch.end()));
    endInsertRows();
}

void SpotListModel::restate(const SpotMatcher& matcher) {
    m_spots.restate(matcher);
    if (m_spots.size() > 0)
        emit dataChanged(index(0, 0), index(int(m_spots.size()) - 1, ColumnCount - 1),
                         {Qt::DisplayRole, StandingRole, StatusCodeRole});
}

int SpotListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_spots.size());
}

int SpotListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SpotListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const IslandSpot& spot = m_spots.at(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return kColumns[size_t(index.column())].text(spot);
        case Qt::TextAlignmentRole:
            return index.column() == Frequency ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
        case StandingRole:
            return int(spot.island.standing);
        case StatusCodeRole:
            return spot.island.status;
        default:
            return {};
    }
}

QVariant SpotListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount) return {};
    return QString::fromLatin1(kColumns[size_t(section)].title);
}
