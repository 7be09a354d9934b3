#include "register/store/field_sizes.h"

#include "register/codes.h"

namespace store {

namespace {

struct FieldSize {
    const char* field;
    int size;
};

struct TableFieldSizes {
    const char* tablePrefix;  // the table's name, or "IOTA-" for every island table
    std::vector<FieldSize> fields;
};

// The longest island name of the reference list has 85 characters, the longest prefix 6; a
// member file's call column has 15, a CSV file's 20.
const std::vector<TableFieldSizes>& tableFieldSizes() {
    static const std::vector<TableFieldSizes> tables = {
        {kOwnerTable, {{"Name", 50}, {"Value", 50}, {"Permission", 10}}},
        {"IOTA-",
         {{"ABW", 1}, {"IOTA", 6}, {"Prefix", 20}, {"Island", 250}, {"Call", 30}, {"Status", 1}, {"Comment", 250}}},
        {kAwardsTable, {{"Award_name", 30}, {"Award_title", 250}, {"Award_number", 20}, {"Award_issued", 20}}},
    };
    return tables;
}

}  // namespace

int fieldSize(const QString& tableName, const QString& fieldName) {
    for (const TableFieldSizes& table : tableFieldSizes()) {
        if (!tableName.startsWith(QLatin1String(table.tablePrefix))) continue;
        for (const FieldSize& field : table.fields)
            if (fieldName.compare(QLatin1String(field.field), Qt::CaseInsensitive) == 0) return field.size;
    }
    return 0;
}

std::vector<int> fieldSizes(const QString& tableName, const QStringList& fieldNames) {
    std::vector<int> sizes;
    sizes.reserve(fieldNames.size());
    for (const QString& name : fieldNames) sizes.push_back(fieldSize(tableName, name));
    return sizes;
}

QString cutToFieldSize(const QString& value, int size) {
    if (size <= 0 || value.size() <= size) return value;
    const qsizetype end = value[size - 1].isHighSurrogate() ? size - 1 : size;
    return value.left(end);
}

}  // namespace store
