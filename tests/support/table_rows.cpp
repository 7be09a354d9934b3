#include "support/table_rows.h"

#include "backup/sqlite_file.h"

TableRows readTableRows(const QString& databaseFile) {
    const backup::SqliteFile file(databaseFile, backup::SqliteFile::Mode::ReadOnly);
    TableRows rows;
    for (const QString& table : file.column(QStringLiteral("SELECT name FROM sqlite_schema WHERE type = 'table'"))) {
        const QStringList fields = file.column(QStringLiteral("SELECT name FROM pragma_table_info(?1)"), table);
        QStringList quoted;
        for (const QString& field : fields) quoted << QStringLiteral("quote(\"%1\")").arg(field);
        rows[table] = file.column(QStringLiteral("SELECT %1 FROM \"%2\" ORDER BY rowid")
                                      .arg(quoted.join(QStringLiteral(" || char(9) || ")), table));
    }
    return rows;
}
