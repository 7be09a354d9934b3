#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace store {
class Table;
}

namespace reports {

// The records a report's detail band prints, taken from the table handle once, so that the
// preview can lay the pages out again without going back to the table.
struct RecordSet {
    QStringList fields;
    std::vector<QStringList> rows;

    // The column of a field name, or -1.
    int fieldIndex(const QString& field) const { return fields.indexOf(field); }
};

// Reads the given fields of every visible record of the open handle, from the first record in
// key order to the last; leaves the handle after its last record.
RecordSet readRecords(store::Table& Table1, const QStringList& fields);

}  // namespace reports
