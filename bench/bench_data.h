#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace store {
class Database;
}

// A full-size data folder built once from Debian's IOTA list in a temporary folder.
class BenchData {
public:
    static BenchData& instance();

    // The folder that holds Data, where skerrydesk-cli runs on it.
    QString workingFolder() const { return m_dir.path(); }
    QString dataFolder() const;
    // The references that the filter-edit-post runs change, grouped by table in table order.
    const QList<QPair<QString, QStringList>>& workload() const { return m_workload; }
    int workloadSize() const;

private:
    BenchData();
    QTemporaryDir m_dir;
    QList<QPair<QString, QStringList>> m_workload;
};

// Whether each commit waits until the disk holds it (the store's own setting) or, to show what
// that costs, only until the system has it.
void syncEachCommit(store::Database& db, bool toTheDisk);

// Worked, approved and claimed records and group codes spread over the data folder, so that every
// summary count, want list and island list reads records.
void spreadStatusesAndGroups();

// The number of filter-edit-post cycles of one run: about as many as a member file brings.
inline constexpr int kCycles = 1300;
