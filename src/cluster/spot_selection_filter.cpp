#include "cluster/spot_selection_filter.h"

#include "cluster/spot_list_model.h"

SpotSelectionFilter::SpotSelectionFilter(QObject* parent) : QSortFilterProxyModel(parent) {
    setDynamicSortFilter(true);
}

void SpotSelectionFilter::setSelection(SpotSelection selection) {
    if (selection == m_selection) return;
    m_selection = selection;
    invalidateRowsFilter();
}

bool SpotSelectionFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    const QVariant standing = sourceModel()->index(sourceRow, 0, sourceParent).data(SpotListModel::StandingRole);
    return isSelected(m_selection, ReferenceStanding(standing.toInt()));
}
