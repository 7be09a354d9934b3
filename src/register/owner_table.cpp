#include "register/owner_table.h"

#include "register/store/table.h"
#include "register/store/table_names.h"

namespace owner {

QString rowFilter(const QString& name) {
    return QStringLiteral("Name = ") + store::quoted(name);
}

const QStringList& listColumns() {
    static const QStringList columns{kNameField, kValueField};
    return columns;
}

void pointAtRow(store::Table& table, const QString& name) {
    table.Close();
    table.setTableName(kOwnerTable);
    table.setFilter(rowFilter(name));
    table.setFiltered(true);
}

void parkOnTable(store::Table& table) {
    table.Close();
    table.setFiltered(true);
    table.setTableName(kOwnerTable);
    table.setFilter(QString());
    table.setReadOnly(false);
}

QString currentValue(store::Table& table) {
    if (table.RecNo() < 0) return QString();
    return table.FieldByName(kValueField).AsString();
}

QString readValue(store::Table& table, const QString& name) {
    pointAtRow(table, name);
    table.Open();
    const QString value = currentValue(table);
    table.Close();
    return value;
}

void writeValue(store::Table& table, const QString& name, const QString& value) {
    pointAtRow(table, name);
    table.setReadOnly(false);
    table.Open();
    table.Edit();
    table.FieldByName(kValueField).setAsString(value);
    table.Post();
    table.Close();
}

QHash<QString, QString> readAllValues(store::Table& table) {
    table.Close();
    table.setTableName(kOwnerTable);
    table.setFiltered(false);
    table.Open();
    const store::Field name = table.FieldByName(kNameField);
    const store::Field value = table.FieldByName(kValueField);
    QHash<QString, QString> rows;
    for (; !table.Eof(); table.Next())
        if (!rows.contains(name.AsString())) rows.insert(name.AsString(), value.AsString());
    table.Close();
    return rows;
}

}  // namespace owner
