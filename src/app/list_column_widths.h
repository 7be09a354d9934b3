#pragma once

class QTableView;

// Sizes each column of the list as resizing it to its contents does, to the wider of its heading
// and its widest value, but lays out only that one value per column: every other value is only
// measured, which is what makes a new view of a thousand islands quick to show.
void sizeColumnsToWidestValues(QTableView& view);
