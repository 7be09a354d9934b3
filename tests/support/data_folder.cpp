#include "support/data_folder.h"

#include <QDir>

#include "register/delivered_data.h"
#include "register/store/database.h"

TestDataFolder::TestDataFolder(const std::vector<ListedIsland>& islands) {
    createDeliveredDataFolder(m_dir.path(), islands);
}

QString TestDataFolder::dataFolder() const {
    return QDir(m_dir.path()).filePath(QStringLiteral("Data"));
}

void TestDataFolder::setOwnerValue(const QString& name, const QString& value) {
    store::Database db(dataFolder());
    store::Statement& update = db.prepare(QStringLiteral("UPDATE \"Owner\" SET Value = ?1 WHERE Name = ?2"));
    update.bind(1, value);
    update.bind(2, name);
    update.step();
}

QString TestDataFolder::ownerValue(const QString& name) const {
    store::Database db(dataFolder());
    store::Statement& select = db.prepare(QStringLiteral("SELECT Value FROM \"Owner\" WHERE Name = ?1"));
    select.bind(1, name);
    return select.step() ? select.columnText(0) : QString();
}

void TestDataFolder::execute(const QString& sql) {
    store::Database db(dataFolder());
    db.execute(sql);
}

QStringList TestDataFolder::column(const QString& table, const QString& field) const {
    store::Database db(dataFolder());
    const QStringList columns = db.columnsOf(table);
    store::Statement& select =
        db.prepare(QStringLiteral("SELECT \"%1\" FROM \"%2\" ORDER BY \"%3\"").arg(field, table, columns.first()));
    QStringList values;
    while (select.step()) values << select.columnText(0);
    return values;
}

void TestDataFolder::removeTable(const QString& table) {
    execute(QStringLiteral("DROP TABLE \"%1\"").arg(table));
}

void TestDataFolder::removeField(const QString& table, const QString& field) {
    store::Database db(dataFolder());
    QStringList kept;
    for (const QString& column : db.columnsOf(table))
        if (column.compare(field, Qt::CaseInsensitive) != 0) kept << u'"' + column + u'"';
    db.execute(QStringLiteral("CREATE TABLE \"without-field\" AS SELECT %1 FROM \"%2\"; DROP TABLE \"%2\"; "
                              "ALTER TABLE \"without-field\" RENAME TO \"%2\"")
                   .arg(kept.join(u','), table));
}

std::vector<ListedIsland> TestDataFolder::sampleIslands() {
    return {
        {"AF-001", "Agalega Islands", "3B6"},  {"AF-003", "Ascension Island", "ZD8"}, {"AN-001", "Antarctica", "CE9"},
        {"AN-002", "Bouvet Island", "3Y"},     {"AS-001", "Andaman Islands", "VU4"},  {"AS-004", "Cyprus", "5B"},
        {"EU-001", "Aegean Islands", "SV8"},   {"EU-005", "Great Britain", "G"},      {"EU-007", "Aran Islands", "EI"},
        {"EU-115", "Ireland's Coastal", "EI"}, {"NA-001", "Bermuda", "VP9"},          {"NA-015", "Hispaniola", "HI"},
        {"OC-001", "Australia", "VK"},         {"OC-002", "Howland Island", "KH1"},   {"SA-001", "Aves Island", "YV0"},
        {"SA-006", "Tierra del Fuego", "LU"},
    };
}
