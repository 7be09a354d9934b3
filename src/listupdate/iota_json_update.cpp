#include "listupdate/iota_json_update.h"

#include <QSet>
#include <algorithm>

#include "base/failure.h"
#include "listupdate/iota_json_list.h"
#include "register/codes.h"
#include "register/iota_list.h"
#include "register/rarity_table.h"
#include "register/reference_record.h"
#include "register/store/database.h"
#include "register/store/field_sizes.h"
#include "register/store/table.h"
#include "register/store/table_names.h"

namespace {

const QString kDeleted = QStringLiteral("DELETED");

// The island fields the list changes, with their members of the record.
struct IslandField {
    QLatin1StringView name;
    QString IslandRecord::*value;
};

constexpr IslandField kIslandFields[] = {
    {kStatusField, &IslandRecord::status},
    {kCallField, &IslandRecord::call},
    {kPrefixField, &IslandRecord::prefix},
    {kIslandField, &IslandRecord::island},
};

struct StoredRecord {
    QString tableName;
    IslandRecord record;
};

QHash<QString, StoredRecord> readIslandRecords(store::Table& table) {
    QHash<QString, StoredRecord> records;
    for (const Continent& continent : continents()) {
        table.Close();
        table.setTableName(continent.tableName);
        table.setFiltered(false);
        table.Open();
        const int reference = table.requiredFieldIndex(kIotaField);
        int columns[std::size(kIslandFields)];
        for (size_t f = 0; f < std::size(kIslandFields); ++f)
            columns[f] = table.requiredFieldIndex(kIslandFields[f].name);
        for (int row = 0; row < table.RecordCount(); ++row) {
            StoredRecord& stored = records[table.valueAt(row, reference)];
            stored.tableName = continent.tableName;
            for (size_t f = 0; f < std::size(kIslandFields); ++f)
                stored.record.*kIslandFields[f].value = table.valueAt(row, columns[f]);
        }
    }
    table.Close();
    return records;
}

void writeRecord(store::Table& table, const IotaRecordChange& change) {
    if (!standOnReference(table, change.reference))
        throw Failure(QStringLiteral("The record %1 of table \"%2\" is gone since the IOTA list was previewed; "
                                     "nothing was written")
                          .arg(change.reference, change.tableName));
    table.Edit();
    for (const IslandField& field : kIslandFields) table.FieldByName(field.name).setAsString(change.after.*field.value);
    table.Post();
}

void writeChanges(store::Table& table, const IotaListPlan& plan, BatchProgress& progress) {
    QString tableName;
    for (size_t i = 0; i < plan.changes.size(); ++i) {
        const IotaRecordChange& change = plan.changes[i];
        if (change.tableName != tableName) {
            tableName = change.tableName;
            beginReferencePass(table, tableName);
        }
        writeRecord(table, change);
        progress.setValue(int((i + 1) * 100 / plan.changes.size()));
    }
}

void leaveTableClosed(store::Table& table) {
    table.Close();
    table.setFiltered(false);
}

}  // namespace

IslandRecord listedGroupRecord(const IotaGroup& group, const QString& tableName, const IslandRecord& before) {
    const QString name =
        store::cutToFieldSize(group.name.value_or(before.island), store::fieldSize(tableName, kIslandField));
    // The update text's rules decide by the prefix column, where a deleted reference says so.
    const IslandColumns columns{group.reference, QString(), group.deleted ? kDeleted : QString(), name};
    IslandRecord after = applyIslandRules(updateIslandLines().rules, columns, before);
    if (!group.deleted) after.prefix = before.prefix;
    return after;
}

std::vector<IotaFieldChange> fieldChanges(const IotaRecordChange& change) {
    std::vector<IotaFieldChange> fields;
    for (const IslandField& field : kIslandFields)
        if (change.before.*field.value != change.after.*field.value)
            fields.push_back({QLatin1String(field.name), change.before.*field.value, change.after.*field.value});
    return fields;
}

IotaListPlan planIotaListUpdate(store::Table& table, const IotaJsonList& list) {
    const QHash<QString, StoredRecord> records = readIslandRecords(table);
    leaveTableClosed(table);
    IotaListPlan plan;
    QSet<QString> seen;
    for (const IotaGroup& group : list.groups) {
        if (!group.reference.isEmpty() && seen.contains(group.reference)) continue;
        seen.insert(group.reference);
        const bool wellFormed = isWellFormedReference(group.reference);
        if (wellFormed && group.credited) plan.rarity.insert(group.reference, *group.credited);
        const auto stored = wellFormed ? records.constFind(group.reference) : records.cend();
        if (stored == records.cend()) {
            ++plan.unknown;
            if (!group.reference.isEmpty()) plan.unknownReferences << group.reference;
            continue;
        }
        const IslandRecord after = listedGroupRecord(group, stored->tableName, stored->record);
        if (after == stored->record)
            ++plan.unchanged;
        else
            plan.changes.push_back({stored->tableName, group.reference, stored->record, after});
    }
    plan.replacesRarity = !plan.rarity.isEmpty();
    // The references sort as the continents and their tables do.
    std::sort(plan.changes.begin(), plan.changes.end(),
              [](const IotaRecordChange& a, const IotaRecordChange& b) { return a.reference < b.reference; });
    return plan;
}

void applyIotaListPlan(store::Database& database, store::Table& table, const IotaListPlan& plan,
                       BatchProgress& progress) {
    store::Database::Transaction batch(database);
    try {
        writeChanges(table, plan, progress);
        if (plan.replacesRarity) replaceRarity(database, plan.rarity);
    } catch (...) {
        leaveTableClosed(table);
        batch.rollBack();
        throw;
    }
    leaveTableClosed(table);
    batch.commit();
}
