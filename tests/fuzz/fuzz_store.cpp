#include "fuzz/fuzz_store.h"

#include <sqlite3.h>

#include "fuzz/fuzz_input.h"
#include "register/codes.h"
#include "register/store/table.h"

namespace fuzz {

namespace {

// Record keys and what they hold before any input, the same in every island table; the other
// records keep their delivered "-" or "U".
struct PreparedRecord {
    int key;
    const char* status;
    const char* call;
    const char* group;
};

constexpr PreparedRecord kPreparedRecords[] = {
    {2, "W", "G4ABC", ""},
    {3, "C", "DL1XYZ", "A"},
    {4, "A", "F5QQQ", "B"},
    {5, "D", "", "W"},
};

// A commit hook that answers non-zero turns the commit into a rollback.
int rollBack(void*) {
    return 1;
}

}  // namespace

FuzzStore& FuzzStore::instance() {
    keepTemporaryFilesInMemory();
    static FuzzStore store;
    return store;
}

FuzzStore::FuzzStore() {
    for (const Continent& continent : continents())
        for (const PreparedRecord& record : kPreparedRecords)
            m_folder.execute(QStringLiteral("UPDATE \"%1\" SET Status = '%2', Call = '%3', ABW = '%4' WHERE Key = %5")
                                 .arg(continent.tableName, QLatin1String(record.status), QLatin1String(record.call),
                                      QLatin1String(record.group))
                                 .arg(record.key));
    m_database.setPath(m_folder.dataFolder());
    store::Table table(m_database);
    countStartTables(table, m_counts);
    sqlite3_commit_hook(m_database.handle(), rollBack, nullptr);
}

QByteArray FuzzStore::contents() {
    QStringList tables;
    store::Statement& names = m_database.prepare(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
    while (names.step()) tables << names.columnText(0);
    QByteArray rows;
    for (const QString& table : tables) {
        store::Statement& select = m_database.prepare(QStringLiteral("SELECT * FROM \"%1\" ORDER BY 1").arg(table));
        while (select.step())
            for (int column = 0; column < select.columnCount(); ++column)
                rows += select.columnText(column).toUtf8() + '\t';
        rows += '\n';
    }
    return rows;
}

}  // namespace fuzz
