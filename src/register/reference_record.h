#pragma once

#include <QHash>
#include <QString>

namespace store {
class Table;
}

// Closes the handle and points it, writable and filtered, at one island table, ready for a
// pass that finds one record at a time by its reference.
void beginReferencePass(store::Table& table, const QString& tableName);

// Filters the handle on one reference ("IOTA = " and the quoted reference), opening the table
// when it is closed, and tells whether the record exists. A reference that is not well-formed
// has no record and is not looked up: a "*" at its end would turn the filter into a prefix test
// and find some other record. Importers pass over a reference without a record instead of
// failing, so one bad line does not end the command.
bool standOnReference(store::Table& table, const QString& reference);

// A pass over one island table that finds its records by reference as standOnReference does,
// but reads the table once, at the first lookup, and then stands on each record by its place:
// a log of a thousand references costs one query, not a thousand. Records are found by the
// exact reference, the first in key order where a damaged table holds one twice.
class ReferencePass {
public:
    // Points the handle at the table as beginReferencePass does.
    ReferencePass(store::Table& table, const QString& tableName);

    // Stands on the record of the reference; false when there is none or the reference is not
    // well-formed.
    bool standOn(const QString& reference);

    // Closes the handle, left filtered on the last reference looked up as lookups by filter leave it.
    void close();

private:
    void readRecords();

    store::Table& m_table;
    QHash<QString, int> m_rows;  // reference -> visible row
    QString m_lastReference;
};
