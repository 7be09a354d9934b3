#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace store {

// The size of every text field of the nine tables, in characters: the stored Owner definitions
// (Name and Value 50, Permission 10) and sizes for the island and award tables that hold every
// real name, callsign and comment with room to spare. A value written beyond its field's size is
// cut to it. 0 stands for a field with no size of its own (the keys).
int fieldSize(const QString& tableName, const QString& fieldName);

// The sizes of a table's fields, in the order of the field names.
std::vector<int> fieldSizes(const QString& tableName, const QStringList& fieldNames);

// The value cut to the size (0 keeps it whole), never halving a character outside the basic plane.
QString cutToFieldSize(const QString& value, int size);

}  // namespace store
