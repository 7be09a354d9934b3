#pragma once

#include <QTableView>

class QAbstractItemModel;

// The table of the spots window: one row per island spot of a SpotListModel (through any filter
// over it), the status marked with the map's marker in its colour and shape, the rows of a
// needed island in bold, and a double click or Enter on a row asking for its record. The rows
// keep one height, so a batch of spots costs no measuring.
class SpotTableView : public QTableView {
    Q_OBJECT

public:
    explicit SpotTableView(QAbstractItemModel& spots, QWidget* parent = nullptr);

signals:
    // A row with a record was opened: its reference, "EU-005".
    void recordWanted(const QString& reference);

private:
    void setOpeningWidths();
};
