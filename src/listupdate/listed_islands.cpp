#include "listupdate/listed_islands.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include "app/paths.h"
#include "exchange/island_rules.h"
#include "exchange/record_kinds.h"
#include "listupdate/list_update.h"
#include "register/delivered_data.h"
#include "register/start_state.h"
#include "register/store/database.h"
#include "register/store/table.h"

namespace {

void applyToNewFolder(const QString& dataFolder, const QStringList& lines) {
    store::Database database(dataFolder);
    store::Table table(database);
    const StartState start = readStartState(table);
    applyListUpdate(database, table, lines, start.counts);
}

// The database file with the files SQLite keeps beside it.
void removeDatabase(const QString& dataFolder) {
    const QString file = QDir(dataFolder).filePath(QLatin1String(store::Database::kFileName));
    for (const char* suffix : {"", "-wal", "-shm"}) QFile::remove(file + QLatin1String(suffix));
}

}  // namespace

std::vector<ListedIsland> listedIslands(const QStringList& lines) {
    std::vector<ListedIsland> islands;
    QSet<QString> seen;
    const IslandLineLayout& layout = updateIslandLines().layout;
    for (const RecordKind& kind : recordKinds()) {
        if (kind.isGroupKind()) continue;
        for (const QString& line : findKindLines(lines, kind.text)) {
            const IslandColumns columns = readIslandColumns(line, layout);
            if (!isWellFormedReference(columns.reference) || seen.contains(columns.reference)) continue;
            seen.insert(columns.reference);
            islands.push_back({columns.reference, columns.name, columns.prefix});
        }
    }
    return islands;
}

int createDataFolderFromUpdate(const QString& workingFolder, const QStringList& lines) {
    const std::vector<ListedIsland> islands = listedIslands(lines);
    createDeliveredDataFolder(workingFolder, islands);
    const QString dataFolder = Paths{workingFolder, QString()}.dataFolder();
    try {
        applyToNewFolder(dataFolder, lines);
    } catch (...) {
        removeDatabase(dataFolder);
        throw;
    }
    return int(islands.size());
}
