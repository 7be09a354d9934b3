#include "exchange/owner_rows.h"

#include "register/codes.h"
#include "register/store/table.h"

void replace_owner(store::Table& table, const QString& name, const QString& value) {
    table.Close();
    table.setTableName(QLatin1String(kOwnerTable));
    table.setReadOnly(false);
    table.setFiltered(true);
    table.setFilter(QStringLiteral("Name = ") + store::quoted(name));
    table.Open();
    table.Edit();
    table.FieldByName(QStringLiteral("Value")).setAsString(value);
    table.Post();
    table.Close();
}

QHash<QString, QString> readOwnerRows(store::Table& table) {
    table.Close();
    table.setTableName(QLatin1String(kOwnerTable));
    table.setFiltered(false);
    table.Open();
    const store::Field name = table.FieldByName(QStringLiteral("Name"));
    const store::Field value = table.FieldByName(QStringLiteral("Value"));
    QHash<QString, QString> rows;
    for (; !table.Eof(); table.Next())
        if (!rows.contains(name.AsString())) rows.insert(name.AsString(), value.AsString());
    table.Close();
    return rows;
}
