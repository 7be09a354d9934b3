#include "register/store/schema.h"

#include "register/codes.h"

namespace store {

namespace {

QString textColumns(const QStringList& names) {
    QStringList columns;
    for (const QString& name : names) columns << QStringLiteral("\"%1\" TEXT NOT NULL DEFAULT ''").arg(name);
    return columns.join(QStringLiteral(", "));
}

}  // namespace

QStringList createTableStatements() {
    QStringList statements;
    statements << QStringLiteral("CREATE TABLE \"%1\" (\"No\" REAL PRIMARY KEY, %2)")
                      .arg(QLatin1String(kOwnerTable), textColumns({"Name", "Value", "Permission"}));
    // Key is the reference number: it keeps the records in reference order.
    for (const Continent& continent : continents())
        statements << QStringLiteral(
                          "CREATE TABLE \"%1\" (\"Key\" INTEGER PRIMARY KEY, \"ABW\" TEXT NOT NULL DEFAULT '', "
                          "\"IOTA\" TEXT NOT NULL UNIQUE, %2)")
                          .arg(continent.tableName, textColumns({"Prefix", "Island", "Call", "Status", "Comment"}));
    statements << QStringLiteral("CREATE TABLE \"%1\" (\"No\" INTEGER PRIMARY KEY, %2)")
                      .arg(QLatin1String(kAwardsTable),
                           textColumns({"Award_name", "Award_title", "Award_number", "Award_issued"}));
    return statements;
}

}  // namespace store
