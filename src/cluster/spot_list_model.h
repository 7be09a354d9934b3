#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "cluster/recent_spots.h"

// The island spots of a session as a list shows them, newest first, one row per spot and
// reference: time, band, frequency, DX call, reference, island, status, spotter, comment. A
// batch goes in with one insertion at the top, and the rows it pushes beyond RecentSpots::kKept
// go with one removal at the bottom before it, so a flood costs a list two updates per batch.
class SpotListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Time, Band, Frequency, DxCall, Reference, Island, Status, Spotter, Comment, ColumnCount };
    // The row's ReferenceStanding (as an int) and the record's status code, for filters and marks.
    static constexpr int StandingRole = Qt::UserRole;
    static constexpr int StatusCodeRole = Qt::UserRole + 1;

    explicit SpotListModel(QObject* parent = nullptr);

    // Puts a batch (oldest first) at the top.
    void add(const std::vector<IslandSpot>& batch);
    // The records as the register holds them now, after an import changed statuses.
    void restate(const SpotMatcher& matcher);

    const IslandSpot& spotAt(int row) const { return m_spots.at(row); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    RecentSpots m_spots;
};
