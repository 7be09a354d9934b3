#include "bench_data.h"

#include <QDir>
#include <stdexcept>

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
