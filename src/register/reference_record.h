#pragma once

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
