#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

namespace store {
class Table;
}

// The rows of the list grid: the visible records of the table handle, one column per field
// name the current view chose. It follows the handle as records are read, moved or written.
class ListGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ListGridModel(store::Table& table, QObject* parent = nullptr);

    // The columns by field name, in order; a name the table lacks shows empty cells.
    void setColumns(const QStringList& fieldNames);
    const QStringList& columns() const { return m_fieldNames; }
    // A list that is not on show need not follow the handle through a batch command's thousands
    // of record sets: it holds no rows meanwhile and reads the record set when it follows again.
    void setFollowing(bool following);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // The first records of another table or another choice of columns are on show: the list
    // sizes its columns to them once, not at every record set of the same view.
    void newViewShown();

private:
    void readRecordSet();
    void rowChanged(int row);

    store::Table& m_table;
    QStringList m_chosenNames;
    // The columns on show since the last reset.
    QStringList m_fieldNames;
    std::vector<int> m_fieldColumns;
    int m_rows = 0;
    QString m_shownView;
    bool m_following = true;
};
