#include "register/start_state.h"

#include "register/codes.h"
#include "register/owner_table.h"
#include "register/store/table.h"

void countStartTables(store::Table& table, StartCounts& counts) {
    table.Close();
    table.setReadOnly(true);
    table.setFiltered(false);
    const QStringList tables = startCountTables();
    for (int i = 0; i < tables.size(); ++i) {
        table.setTableName(tables[i]);
        counts[i] = table.countAllRecords();
    }
    table.setFilter(QString());
    table.setTableName(QString());
}

StartState readStartState(store::Table& table) {
    StartState state;
    countStartTables(table, state.counts);
    state.ownerCallsign = owner::readValue(table, kCallsignRow);
    state.ownerDirectoryNo = owner::readValue(table, kDirectoryNoRow);
    table.setFiltered(false);
    table.setFilter(QString());
    return state;
}
