#include "backup/backup_check.h"

#include <QDir>

#include "backup/sqlite_file.h"
#include "base/failure.h"
#include "register/store/schema.h"

namespace backup {

namespace {

const QString kTables = QStringLiteral("SELECT name FROM sqlite_schema WHERE type = 'table' ORDER BY rowid");
const QString kFields = QStringLiteral("SELECT name FROM pragma_table_info(?1)");

Failure damaged(const QString& fileName, const QString& reason) {
    return Failure(QStringLiteral("The backup %1 is damaged (%2) and cannot be restored; nothing was changed")
                       .arg(QDir::toNativeSeparators(fileName), reason));
}

// What is wrong with the backup's tables against those a new data folder gets; empty when nothing.
QString schemaFault(const SqliteFile& backup) {
    SqliteFile expected;
    for (const QString& statement : store::createTableStatements()) expected.execute(statement);
    for (const QString& table : expected.column(kTables)) {
        const QStringList fields = expected.column(kFields, table);
        const QStringList found = backup.column(kFields, table);
        if (found.isEmpty()) return QStringLiteral("it holds no table \"%1\"").arg(table);
        if (found != fields)
            return QStringLiteral("its table \"%1\" has the fields %2 instead of %3")
                .arg(table, found.join(QStringLiteral(", ")), fields.join(QStringLiteral(", ")));
    }
    return QString();
}

// Why the backup cannot stand in for the tables; empty when it can.
QString faultOf(const QString& fileName) {
    try {
        const SqliteFile backup(fileName, SqliteFile::Mode::ReadOnly);
        const QStringList problems = backup.column(QStringLiteral("PRAGMA integrity_check"));
        if (problems != QStringList{QStringLiteral("ok")})
            return problems.value(0, QStringLiteral("the integrity check gave no answer"));
        return schemaFault(backup);
    } catch (const Failure& failure) {
        // Not even readable as a database.
        return failure.message();
    }
}

}  // namespace

void checkBackup(const QString& fileName) {
    if (const QString fault = faultOf(fileName); !fault.isEmpty()) throw damaged(fileName, fault);
}

}  // namespace backup
