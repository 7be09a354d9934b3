#include "register/store/schema.h"

#include "register/codes.h"
#include "register/store/table_names.h"

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
    statements << QStringLiteral("CREATE TABLE \"%1\" (\"%2\" REAL PRIMARY KEY, %3)")
                      .arg(kOwnerTable, kNoField, textColumns({kNameField, kValueField, kPermissionField}));
    // Key is the reference number: it keeps the records in reference order.
    for (const Continent& continent : continents())
        statements << QStringLiteral(
                          "CREATE TABLE \"%1\" (\"%2\" INTEGER PRIMARY KEY, %3, \"%4\" TEXT NOT NULL UNIQUE, %5)")
                          .arg(continent.tableName, kKeyField, textColumns({kGroupField}), kIotaField,
                               textColumns({kPrefixField, kIslandField, kCallField, kStatusField, kCommentField}));
    statements << QStringLiteral("CREATE TABLE \"%1\" (\"%2\" INTEGER PRIMARY KEY, %3)")
                      .arg(kAwardsTable, kNoField,
                           textColumns({kAwardNameField, kAwardTitleField, kAwardNumberField, kAwardIssuedField}));
    return statements;
}

QStringList addedTableStatements() {
    return {QStringLiteral("CREATE TABLE IF NOT EXISTS \"%1\" (\"%2\" TEXT PRIMARY KEY, %3, \"%4\" REAL, \"%5\" REAL, "
                           "\"%6\" REAL, \"%7\" REAL)")
                .arg(kGroupsTable, kIotaField, textColumns({kDxccField}), kWestField, kEastField, kSouthField,
                     kNorthField)};
}

}  // namespace store
