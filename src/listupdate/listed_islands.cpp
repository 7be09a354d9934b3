#include "listupdate/listed_islands.h"

#include <QSet>

#include "exchange/island_rules.h"
#include "exchange/record_kinds.h"
#include "listupdate/list_update.h"
#include "register/delivered_data.h"
#include "register/start_state.h"
#include "register/store/table.h"

std::vector<ListedIsland> listedIslands(const TextLines& lines) {
    std::vector<ListedIsland> islands;
    QSet<QString> seen;
    const IslandLineLayout& layout = updateIslandLines().layout;
    for (const RecordKind& kind : recordKinds()) {
        if (kind.isGroupKind()) continue;
        for (const QString& line : findKindLines(lines, kind.text)) {
            const IslandColumns columns = readIslandColumns(line, layout);
            if (!isListedReference(columns.reference) || seen.contains(columns.reference)) continue;
            seen.insert(columns.reference);
            islands.push_back({columns.reference, columns.name, columns.prefix});
        }
    }
    return islands;
}

int createDataFolderFromUpdate(const QString& workingFolder, const TextLines& lines) {
    const std::vector<ListedIsland> islands = listedIslands(lines);
    createDeliveredDataFolder(workingFolder, islands, [&lines](store::Database& database) {
        store::Table table(database);
        applyListUpdateLines(table, lines, readStartState(table).counts);
    });
    return int(islands.size());
}
