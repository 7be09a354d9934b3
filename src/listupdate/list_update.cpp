#include "listupdate/list_update.h"

#include "exchange/gauge.h"
#include "exchange/island_rules.h"
#include "register/store/database.h"
#include "register/store/table.h"

KindLinesResult applyListUpdate(store::Database& database, store::Table& table, const TextLines& lines,
                                const StartCounts& startCounts) {
    store::Database::Transaction batch(database);
    const KindLinesResult result = applyListUpdateLines(table, lines, startCounts);
    batch.commit();
    return result;
}

KindLinesResult applyListUpdateLines(store::Table& table, const TextLines& lines, const StartCounts& startCounts) {
    table.Close();
    table.setReadOnly(false);
    // The update shows no progress: its gauge has no listener.
    Gauge silent;
    return applyRecordKinds(table, lines, startCounts, updateIslandLines(), silent);
}
