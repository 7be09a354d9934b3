#pragma once

#include <QSortFilterProxyModel>

#include "cluster/spot_matcher.h"

// The rows of a SpotListModel that a selection shows: the needed references only, needed and
// worked, or every one. The rows follow the list as spots come and statuses change.
class SpotSelectionFilter : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit SpotSelectionFilter(QObject* parent = nullptr);

    SpotSelection selection() const { return m_selection; }
    void setSelection(SpotSelection selection);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    SpotSelection m_selection = SpotSelection::Any;
};
