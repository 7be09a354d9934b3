#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace store {
class Table;
}

// The "Owner" table through the table handle: its rows found by their Name, their Value read and
// written. Values are cut to the field size by the handle as it writes them.
namespace owner {

// The filter that finds one row by its name: "Name = " and the name in single quotes, a quote
// inside doubled, as in 'C''vted to Directory 2000'.
QString rowFilter(const QString& name);

// The fields the list shows of owner rows: Name and Value.
const QStringList& listColumns();

// Closes the handle and points it at the row with the name: "Owner", filtered on that row. The
// read-only setting stays as it was.
void pointAtRow(store::Table& table, const QString& name);

// Closes the handle on "Owner", filtered with an empty filter and writable: where the batch
// commands park it before they choose their own tables.
void parkOnTable(store::Table& table);

// The Value of the row the open handle stands on; empty when it stands on none.
QString currentValue(store::Table& table);

// The Value of the row with the name; empty when there is no such row. Leaves the handle closed,
// filtered on that row.
QString readValue(store::Table& table, const QString& name);

// Writes the value into the row with the name (an empty value empties it) and posts it. Leaves
// the handle closed, filtered on that row and writable. Fails naming the row when the data
// folder has no such row, the handle left open on no record.
void writeValue(store::Table& table, const QString& name, const QString& value);

// The Value of every row by its Name, read in one pass; where a name occurs twice the first row
// in key order counts, as a filter on the name would find it. Leaves the handle closed on
// "Owner", unfiltered.
QHash<QString, QString> readAllValues(store::Table& table);

}  // namespace owner
