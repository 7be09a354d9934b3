#include "register/start_state.h"

#include "register/codes.h"
#include "register/store/table.h"

void countStartTables(store::Table& table, StartCounts& counts) {
    table.Close();
    table.setReadOnly(true);
    table.setFiltered(false);
    const QStringList tables = startCountTables();
    for (int i = 0; i < tables.size(); ++i) {
        table.setTableName(tables[i]);
        table.Open();
        counts[i] = table.RecordCount();
        table.Close();
    }
    table.setFilter(QString());
    table.setTableName(QString());
}

QString readOwnerValue(store::Table& table, const QString& name) {
    table.Close();
    table.setTableName(QLatin1String(kOwnerTable));
    table.setFilter(QStringLiteral("Name = ") + store::quoted(name));
    table.setFiltered(true);
    table.Open();
    const QString value = table.RecordCount() > 0 ? table.FieldByName(QStringLiteral("Value")).AsString() : QString();
    table.Close();
    return value;
}

StartState readStartState(store::Table& table) {
    StartState state;
    countStartTables(table, state.counts);
    state.ownerCallsign = readOwnerValue(table, QStringLiteral("Callsign"));
    state.ownerDirectoryNo = readOwnerValue(table, QStringLiteral("Directory No"));
    table.setFiltered(false);
    table.setFilter(QString());
    return state;
}
