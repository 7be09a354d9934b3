#include "register/store/field_sizes.h"

#include "register/store/table_names.h"

namespace store {

namespace {

struct FieldSize {
    QLatin1StringView field;
    int size;
};

struct TableFieldSizes {
    QLatin1StringView tablePrefix;  // the table's name, or "IOTA-" for every island table
    std::vector<FieldSize> fields;
};

// The longest island name of the reference list has 85 characters, the longest prefix 6; a
// member file's call column has 15, a CSV file's 20.
const std::vector<TableFieldSizes>& tableFieldSizes() {
    static const std::vector<TableFieldSizes> tables = {
        {kOwnerTable, {{kNameField, 50}, {kValueField, 50}, {kPermissionField, 10}}},
        {kIslandTablePrefix,
         {{kGroupField, 1},
          {kIotaField, 6},
          {kPrefixField, 20},
          {kIslandField, 250},
          {kCallField, 30},
          {kStatusField, 1},
          {kCommentField, 250}}},
        {kAwardsTable,
         {{kAwardNameField, 30}, {kAwardTitleField, 250}, {kAwardNumberField, 20}, {kAwardIssuedField, 20}}},
    };
    return tables;
}

}  // namespace

int fieldSize(const QString& tableName, const QString& fieldName) {
    for (const TableFieldSizes& table : tableFieldSizes()) {
        if (!tableName.startsWith(table.tablePrefix)) continue;
        for (const FieldSize& field : table.fields)
            if (fieldName.compare(field.field, Qt::CaseInsensitive) == 0) return field.size;
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
