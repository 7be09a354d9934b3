#include "app/list_column_widths.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>
#include <algorithm>

namespace {

// The row whose value of the column is the widest; -1 when the list is empty.
int widestRow(const QAbstractItemModel& model, int column, const QFontMetrics& metrics) {
    int widest = -1;
    int widestWidth = -1;
    for (int row = 0; row < model.rowCount(); ++row) {
        const int width = metrics.horizontalAdvance(model.data(model.index(row, column)).toString());
        if (width > widestWidth) {
            widestWidth = width;
            widest = row;
        }
    }
    return widest;
}

}  // namespace

void sizeColumnsToWidestValues(QTableView& view) {
    const QAbstractItemModel* model = view.model();
    if (!model) return;
    const QFontMetrics metrics(view.font());
    const int grid = view.showGrid() ? 1 : 0;
    for (int column = 0; column < model->columnCount(); ++column) {
        const int row = widestRow(*model, column, metrics);
        const int content = row < 0 ? 0 : view.sizeHintForIndex(model->index(row, column)).width() + grid;
        view.setColumnWidth(column, std::max(content, view.horizontalHeader()->sectionSizeHint(column)));
    }
}
