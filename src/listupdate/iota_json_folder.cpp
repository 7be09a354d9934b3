#include "listupdate/iota_json_folder.h"

#include <QDir>
#include <QSet>

#include "base/failure.h"
#include "listupdate/iota_json_list.h"
#include "listupdate/iota_json_update.h"
#include "register/delivered_data.h"
#include "register/store/table.h"

namespace {

std::vector<ListedIsland> listedGroups(const IotaJsonList& list) {
    std::vector<ListedIsland> islands;
    QSet<QString> seen;
    for (const IotaGroup& group : list.groups) {
        if (!isListedReference(group.reference) || seen.contains(group.reference)) continue;
        seen.insert(group.reference);
        islands.push_back({group.reference, group.name.value_or(QString()), QString()});
    }
    return islands;
}

}  // namespace

int createDataFolderFromIotaList(const QString& workingFolder, const IotaJsonList& list, const QString& fileName) {
    const std::vector<ListedIsland> islands = listedGroups(list);
    if (islands.empty())
        throw Failure(QStringLiteral("%1 lists no island references; nothing was created")
                          .arg(QDir::toNativeSeparators(fileName)));
    createDeliveredDataFolder(workingFolder, islands, [&list](store::Database& database) {
        store::Table table(database);
        writeIotaListPlan(database, table, planIotaListUpdate(table, list));
    });
    return int(islands.size());
}
