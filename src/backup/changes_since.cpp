#include "backup/changes_since.h"

#include <QStringList>

#include "backup/sqlite_file.h"
#include "register/codes.h"
#include "register/store/table_names.h"

namespace backup {

namespace {

QString countingQuery() {
    QStringList tables;
    for (const Continent& continent : continents())
        tables << QStringLiteral("SELECT %1 FROM \"%2\"").arg(kStatusField, continent.tableName);
    return QStringLiteral("SELECT %1 || char(9) || count(*) FROM (%2) GROUP BY %1")
        .arg(kStatusField, tables.join(QStringLiteral(" UNION ALL ")));
}

// The statuses in the order the program shows them, then any other code found.
QStringList statusOrder(const StatusCounts& inBackup, const StatusCounts& now) {
    QStringList order{status::Needed,   status::Worked,  status::Claimed,
                      status::Approved, status::Deleted, status::Unallocated};
    for (const StatusCounts* counts : {&inBackup, &now})
        for (const auto& [code, count] : *counts)
            if (!order.contains(code)) order << code;
    return order;
}

int countOf(const StatusCounts& counts, const QString& code) {
    const auto found = counts.find(code);
    return found == counts.end() ? 0 : found->second;
}

}  // namespace

StatusCounts statusCounts(sqlite3* db) {
    StatusCounts counts;
    for (const QString& row : queryColumn(db, countingQuery())) {
        const qsizetype tab = row.lastIndexOf(u'\t');
        counts[row.left(tab)] = row.mid(tab + 1).toInt();
    }
    return counts;
}

QString changesSince(const StatusCounts& inBackup, const StatusCounts& now) {
    QStringList changes;
    for (const QString& code : statusOrder(inBackup, now)) {
        const int before = countOf(inBackup, code);
        const int after = countOf(now, code);
        if (before != after)
            changes << QStringLiteral("%1 %2 \u2192 %3")
                           .arg(code.isEmpty() ? QStringLiteral("(none)") : code)
                           .arg(before)
                           .arg(after);
    }
    return changes.isEmpty() ? QStringLiteral("no change") : changes.join(QStringLiteral(", "));
}

}  // namespace backup
