#include "register/rarity_table.h"

#include "register/store/database.h"
#include "register/store/table_names.h"

namespace {

bool rarityTableExists(store::Database& database) {
    store::Statement& exists =
        database.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1"));
    exists.bind(1, kRarityTable);
    const bool found = exists.step();
    exists.reset();
    return found;
}

}  // namespace

void replaceRarity(store::Database& database, const QHash<QString, double>& credited) {
    database.execute(QStringLiteral("CREATE TABLE IF NOT EXISTS \"%1\" (\"%2\" TEXT PRIMARY KEY, \"%3\" REAL)")
                         .arg(kRarityTable, kIotaField, kCreditedField));
    database.execute(QStringLiteral("DELETE FROM \"%1\"").arg(kRarityTable));
    store::Statement& insert = database.prepare(QStringLiteral("INSERT INTO \"%1\" (\"%2\", \"%3\") VALUES (?1, ?2)")
                                                    .arg(kRarityTable, kIotaField, kCreditedField));
    for (auto share = credited.cbegin(); share != credited.cend(); ++share) {
        insert.reset();
        insert.bind(1, share.key());
        // Bound as text: the column's REAL affinity stores the number itself.
        insert.bind(2, QString::number(share.value(), 'g', 17));
        insert.step();
    }
    insert.reset();
}

QHash<QString, double> readRarity(store::Database& database) {
    QHash<QString, double> credited;
    if (!rarityTableExists(database)) return credited;
    store::Statement& select = database.prepare(
        QStringLiteral("SELECT \"%1\", \"%2\" FROM \"%3\"").arg(kIotaField, kCreditedField, kRarityTable));
    while (select.step()) credited.insert(select.columnText(0), select.columnText(1).toDouble());
    select.reset();
    return credited;
}
