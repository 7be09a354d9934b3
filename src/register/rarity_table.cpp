#include "register/rarity_table.h"

#include "register/store/database.h"

namespace {

bool rarityTableExists(store::Database& database) {
    store::Statement& exists =
        database.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1"));
    exists.bind(1, QLatin1String(kRarityTable));
    const bool found = exists.step();
    exists.reset();
    return found;
}

}  // namespace

void replaceRarity(store::Database& database, const QHash<QString, double>& credited) {
    database.execute(QStringLiteral("CREATE TABLE IF NOT EXISTS \"%1\" (\"IOTA\" TEXT PRIMARY KEY, \"Credited\" REAL)")
                         .arg(QLatin1String(kRarityTable)));
    database.execute(QStringLiteral("DELETE FROM \"%1\"").arg(QLatin1String(kRarityTable)));
    store::Statement& insert = database.prepare(
        QStringLiteral("INSERT INTO \"%1\" (\"IOTA\", \"Credited\") VALUES (?1, ?2)").arg(QLatin1String(kRarityTable)));
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
    store::Statement& select =
        database.prepare(QStringLiteral("SELECT \"IOTA\", \"Credited\" FROM \"%1\"").arg(QLatin1String(kRarityTable)));
    while (select.step()) credited.insert(select.columnText(0), select.columnText(1).toDouble());
    select.reset();
    return credited;
}
