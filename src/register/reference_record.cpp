#include "register/reference_record.h"

#include "register/iota_list.h"
#include "register/store/table.h"

void beginReferencePass(store::Table& table, const QString& tableName) {
    table.Close();
    table.setReadOnly(false);
    table.setTableName(tableName);
    table.setFiltered(true);
}

bool standOnReference(store::Table& table, const QString& reference) {
    if (!isWellFormedReference(reference)) return false;
    table.setFilter(QStringLiteral("IOTA = ") + store::quoted(reference));
    table.Open();
    return table.RecordCount() > 0;
}
