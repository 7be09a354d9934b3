#include "register/list_grid_model.h"

#include "register/store/table.h"

ListGridModel::ListGridModel(store::Table& table, QObject* parent) : QAbstractTableModel(parent), m_table(table) {
    connect(&m_table, &store::Table::recordSetChanged, this, [this] {
        if (m_following) readRecordSet();
    });
    connect(&m_table, &store::Table::rowChanged, this, &ListGridModel::rowChanged);
    readRecordSet();
}

void ListGridModel::setColumns(const QStringList& fieldNames) {
    m_chosenNames = fieldNames;
    readRecordSet();
}

void ListGridModel::setFollowing(bool following) {
    if (following == m_following) return;
    m_following = following;
    readRecordSet();
}

// The field places are looked up anew with every record set: the handle may show another table.
// An empty list that stays empty is left alone: a reset would only make the view lay out again.
void ListGridModel::readRecordSet() {
    std::vector<int> fieldColumns;
    for (const QString& name : m_chosenNames) fieldColumns.push_back(m_table.fieldIndex(name));
    const int rows = m_following && m_table.Active() ? m_table.RecordCount() : 0;
    if (rows == 0 && m_rows == 0 && fieldColumns == m_fieldColumns && m_chosenNames == m_fieldNames) return;
    beginResetModel();
    m_fieldNames = m_chosenNames;
    m_fieldColumns = std::move(fieldColumns);
    m_rows = rows;
    endResetModel();
    const QString view = m_table.TableName() + u'\n' + m_fieldNames.join(u'\n');
    if (m_rows > 0 && view != m_shownView) {
        m_shownView = view;
        emit newViewShown();
    }
}

void ListGridModel::rowChanged(int row) {
    if (row < 0 || row >= m_rows || m_fieldNames.isEmpty()) return;
    emit dataChanged(index(row, 0), index(row, int(m_fieldNames.size()) - 1));
}

int ListGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int ListGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_fieldNames.size());
}

QVariant ListGridModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows) return {};
    const int column = m_fieldColumns[size_t(index.column())];
    if (column < 0) return QString();
    return m_table.valueAt(index.row(), column);
}

QVariant ListGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // A screen reader names each column by its field, as the header shows it.
    const bool named = role == Qt::DisplayRole || role == Qt::AccessibleTextRole;
    if (!named) return {};
    if (orientation == Qt::Horizontal) return m_fieldNames.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
