#pragma once

#include <QHash>
#include <QString>

namespace store {
class Table;
}

// Writes one owner value: points the handle at "Owner" (writable, filtered), selects the row
// by "Name = " and the name in single quotes (a quote inside doubled, as in
// 'C''vted to Directory 2000'), edits the row, sets Value (an empty value empties it), posts
// and closes. Fails naming the row when the data folder has no such row.
void replace_owner(store::Table& table, const QString& name, const QString& value);

// The Value of every "Owner" row by its Name, read in one pass; where a name occurs twice the
// first row in key order counts, as a filter on the name would find it. Leaves the handle
// closed on "Owner", unfiltered.
QHash<QString, QString> readOwnerRows(store::Table& table);
