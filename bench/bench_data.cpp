#include "bench_data.h"

#include <QDir>
#include <array>
#include <stdexcept>
#include <utility>

#include "register/codes.h"
#include "register/delivered_data.h"
#include "register/iota_list.h"
#include "register/store/database.h"

BenchData& BenchData::instance() {
    static BenchData data;
    return data;
}

BenchData::BenchData() {
    const std::vector<ListedIsland> islands = readIotaTable(QLatin1String(kDebianIotaList));
    if (islands.empty()) throw std::runtime_error("Debian's IOTA list (package cqrlog-data) is missing");
    createDeliveredDataFolder(m_dir.path(), islands);
    // Every listed reference, then the first ones again, until the run has its cycles.
    int taken = 0;
    while (taken < kCycles) {
        for (const Continent& continent : continents()) {
            QStringList references;
            for (const ListedIsland& island : islands)
                if (taken < kCycles && island.reference.startsWith(continent.code)) {
                    references << island.reference;
                    ++taken;
                }
            if (!references.isEmpty()) m_workload.append({continent.tableName, references});
        }
    }
}

QString BenchData::dataFolder() const {
    return QDir(m_dir.path()).filePath(QStringLiteral("Data"));
}

int BenchData::workloadSize() const {
    int size = 0;
    for (const auto& [table, references] : m_workload) size += int(references.size());
    return size;
}

void syncEachCommit(store::Database& db, bool toTheDisk) {
    db.execute(toTheDisk ? QStringLiteral("PRAGMA synchronous=FULL") : QStringLiteral("PRAGMA synchronous=NORMAL"));
}

void spreadStatusesAndGroups() {
    // Every third needed record worked, of the rest every fifth approved and every seventh claimed.
    const std::array<std::pair<const char*, int>, 3> statuses{{{"W", 3}, {"A", 5}, {"C", 7}}};
    struct GroupSpread {
        const char* table;
        const char* code;
        int everyNth;
    };
    const std::array<GroupSpread, 6> groups{{{"IOTA-EU", "A", 11},
                                             {"IOTA-EU", "B", 13},
                                             {"IOTA-AS", "A", 17},
                                             {"IOTA-NA", "A", 19},
                                             {"IOTA-NA", "W", 4},
                                             {"IOTA-SA", "W", 6}}};
    store::Database db(BenchData::instance().dataFolder());
    for (const Continent& continent : continents())
        for (const auto& [status, everyNth] : statuses)
            db.execute(QStringLiteral("UPDATE \"%1\" SET Status = '%2' WHERE Status = '-' AND Key % %3 = 0")
                           .arg(continent.tableName, QLatin1String(status))
                           .arg(everyNth));
    for (const GroupSpread& group : groups)
        db.execute(QStringLiteral("UPDATE \"%1\" SET ABW = '%2' WHERE Key % %3 = 0")
                       .arg(QLatin1String(group.table), QLatin1String(group.code))
                       .arg(group.everyNth));
}
