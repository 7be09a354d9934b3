#include "listupdate/iota_json_update.h"

#include <QSet>
#include <algorithm>

#include "base/failure.h"
#include "listupdate/iota_json_list.h"
#include "register/codes.h"
#include "register/groups_table.h"
#include "register/iota_list.h"
#include "register/rarity_table.h"
#include "register/reference_record.h"
#include "register/store/database.h"
#include "register/store/field_sizes.h"
#include "register/store/table.h"
#include "register/store/table_names.h"

namespace {

const QString kDeleted = QStringLiteral("DELETED");
const QLatin1StringView kBoxField{"Box"};
// The statuses of records that the user has worked, claimed or got approved.
const QStringList kCreditedStatuses = {status::Worked, status::Claimed, status::Approved};

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
    QString group;
};

QHash<QString, StoredRecord> readIslandRecords(store::Table& table) {
    QHash<QString, StoredRecord> records;
    for (const Continent& continent : continents()) {
        table.Close();
        table.setTableName(continent.tableName);
        table.setFiltered(false);
        table.Open();
        const int reference = table.requiredFieldIndex(kIotaField);
        const int group = table.requiredFieldIndex(kGroupField);
        int columns[std::size(kIslandFields)];
        for (size_t f = 0; f < std::size(kIslandFields); ++f)
            columns[f] = table.requiredFieldIndex(kIslandFields[f].name);
        for (int row = 0; row < table.RecordCount(); ++row) {
            StoredRecord& stored = records[table.valueAt(row, reference)];
            stored.tableName = continent.tableName;
            stored.group = table.valueAt(row, group);
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
    table.FieldByName(kGroupField).setAsString(change.groupAfter);
    table.Post();
}

// The changing records of both parts of the plan, in the order they are written.
std::vector<const IotaRecordChange*> changingRecords(const IotaListPlan& plan) {
    std::vector<const IotaRecordChange*> records;
    for (const auto* part : {&plan.changes, &plan.absent})
        for (const IotaRecordChange& change : *part)
            if (change.changes()) records.push_back(&change);
    return records;
}

void writeChanges(store::Database& database, store::Table& table, const IotaListPlan& plan, BatchProgress& progress) {
    const std::vector<const IotaRecordChange*> records = changingRecords(plan);
    QString tableName;
    for (size_t i = 0; i < records.size(); ++i) {
        const IotaRecordChange& change = *records[i];
        if (change.tableName != tableName) {
            tableName = change.tableName;
            beginReferencePass(table, tableName);
        }
        writeRecord(table, change);
        if (change.factsAfter != change.factsBefore) writeGroupFacts(database, change.reference, change.factsAfter);
        progress.setValue(int((i + 1) * 100 / records.size()));
    }
}

void leaveTableClosed(store::Table& table) {
    table.Close();
    table.setFiltered(false);
}

// The facts stored, with what the group's entry gives in their place.
GroupFacts listedFacts(const IotaGroup& group, GroupFacts facts) {
    if (group.dxcc) facts.dxcc = *group.dxcc;
    if (group.box) facts.box = group.box;
    return facts;
}

IotaRecordChange recordChange(const QString& reference, const StoredRecord& stored, const GroupFacts& facts) {
    return {stored.tableName, reference, stored.record, stored.record, stored.group, stored.group, facts, facts};
}

// Counts the different groups a list names, and their continents.
class ListedGroups {
public:
    void add(const QString& reference) {
        if (!isListedReference(reference)) return;
        ++m_groups;
        m_continents.insert(reference.left(2));
    }
    // Groups of all seven continents, and enough of them.
    bool complete() const {
        return m_continents.size() == qsizetype(continents().size()) && m_groups >= kCompleteListGroups;
    }

private:
    int m_groups = 0;
    QSet<QString> m_continents;
};

// A needed record that the complete list does not name is deleted as a group marked deleted is;
// a credited one stays as it is.
std::vector<IotaRecordChange> absentRecords(const QHash<QString, StoredRecord>& records, const QSet<QString>& listed,
                                            const QHash<QString, GroupFacts>& facts) {
    std::vector<IotaRecordChange> absent;
    for (auto stored = records.cbegin(); stored != records.cend(); ++stored) {
        const QString& status = stored->record.status;
        if (listed.contains(stored.key()) || status == status::Unallocated || status == status::Deleted) continue;
        IotaRecordChange change = recordChange(stored.key(), *stored, facts.value(stored.key()));
        if (!kCreditedStatuses.contains(status))
            change.after = listedGroupRecord(IotaGroup{stored.key(), std::nullopt, std::nullopt, true},
                                             stored->tableName, stored->record);
        absent.push_back(std::move(change));
    }
    return absent;
}

void sortByReference(std::vector<IotaRecordChange>& changes) {
    // The references sort as the continents and their tables do.
    std::sort(changes.begin(), changes.end(),
              [](const IotaRecordChange& a, const IotaRecordChange& b) { return a.reference < b.reference; });
}

}  // namespace

int IotaListPlan::changed() const {
    return int(changes.size()) +
           int(std::count_if(absent.begin(), absent.end(), [](const IotaRecordChange& c) { return c.changes(); }));
}

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
    const auto compare = [&fields](QLatin1StringView field, const QString& before, const QString& after) {
        if (before != after) fields.push_back({field, before, after});
    };
    for (const IslandField& field : kIslandFields)
        compare(field.name, change.before.*field.value, change.after.*field.value);
    compare(kGroupField, change.groupBefore, change.groupAfter);
    compare(kDxccField, change.factsBefore.dxcc, change.factsAfter.dxcc);
    compare(kBoxField, boxText(change.factsBefore.box), boxText(change.factsAfter.box));
    return fields;
}

QString absenceNote(const IotaRecordChange& change) {
    const QString what =
        change.changes() ? QStringLiteral("deleted") : QStringLiteral("kept as ") + change.after.status;
    return QStringLiteral("not in the programme's list: ") + what;
}

IotaListPlan planIotaListUpdate(store::Table& table, const IotaJsonList& list) {
    const QHash<QString, StoredRecord> records = readIslandRecords(table);
    const QHash<QString, GroupFacts> facts = readGroupFacts(table.database());
    leaveTableClosed(table);
    IotaListPlan plan;
    QSet<QString> seen;
    ListedGroups listed;
    for (const IotaGroup& group : list.groups) {
        if (!group.reference.isEmpty() && seen.contains(group.reference)) continue;
        seen.insert(group.reference);
        listed.add(group.reference);
        const bool wellFormed = isWellFormedReference(group.reference);
        if (wellFormed && group.credited) plan.rarity.insert(group.reference, *group.credited);
        const auto stored = wellFormed ? records.constFind(group.reference) : records.cend();
        if (stored == records.cend()) {
            ++plan.unknown;
            if (!group.reference.isEmpty()) plan.unknownReferences << group.reference;
            continue;
        }
        IotaRecordChange change = recordChange(group.reference, *stored, facts.value(group.reference));
        change.after = listedGroupRecord(group, stored->tableName, stored->record);
        change.groupAfter = group.group.value_or(stored->group);
        change.factsAfter = listedFacts(group, change.factsBefore);
        if (change.changes())
            plan.changes.push_back(std::move(change));
        else
            ++plan.unchanged;
    }
    plan.replacesRarity = !plan.rarity.isEmpty();
    plan.complete = listed.complete();
    if (plan.complete) plan.absent = absentRecords(records, seen, facts);
    sortByReference(plan.changes);
    sortByReference(plan.absent);
    return plan;
}

void writeIotaListPlan(store::Database& database, store::Table& table, const IotaListPlan& plan,
                       BatchProgress& progress) {
    try {
        writeChanges(database, table, plan, progress);
        if (plan.replacesRarity) replaceRarity(database, plan.rarity);
    } catch (...) {
        leaveTableClosed(table);
        throw;
    }
    leaveTableClosed(table);
}

void applyIotaListPlan(store::Database& database, store::Table& table, const IotaListPlan& plan,
                       BatchProgress& progress) {
    store::Database::Transaction batch(database);
    try {
        writeIotaListPlan(database, table, plan, progress);
    } catch (...) {
        batch.rollBack();
        throw;
    }
    batch.commit();
}
