#include "map/map_groups.h"

#include <memory>

#include "register/codes.h"
#include "register/display_modes.h"
#include "register/groups_table.h"
#include "register/store/database.h"
#include "register/store/filter.h"
#include "register/store/table_names.h"

namespace maps {

const std::array<StatusKind, 5>& statusKinds() {
    static const std::array<StatusKind, 5> kinds{{
        {GroupStatus::Needed, status::Needed, QStringLiteral("needed")},
        {GroupStatus::Worked, status::Worked, QStringLiteral("worked")},
        {GroupStatus::Claimed, status::Claimed, QStringLiteral("claimed")},
        {GroupStatus::Approved, status::Approved, QStringLiteral("approved")},
        {GroupStatus::Deleted, status::Deleted, QStringLiteral("deleted")},
    }};
    return kinds;
}

const StatusKind& statusKind(GroupStatus status) {
    return statusKinds()[static_cast<size_t>(status)];
}

std::optional<GroupStatus> statusOfCode(const QString& code) {
    for (const StatusKind& kind : statusKinds())
        if (kind.code == code) return kind.status;
    return std::nullopt;
}

namespace {

// The display modes' filters, parsed against one island table's fields.
std::vector<std::unique_ptr<store::FilterExpression>> modeFilters(const QString& table, const QStringList& fields) {
    std::vector<std::unique_ptr<store::FilterExpression>> filters;
    for (const DisplayMode& mode : displayModes())
        filters.push_back(store::FilterExpression::parse(mode.continentFilter, table, fields));
    return filters;
}

void readTable(store::Database& database, const QString& table, const QHash<QString, GroupFacts>& facts,
               std::vector<MapGroup>& groups) {
    const QStringList fields = database.columnsOf(table);
    const auto filters = modeFilters(table, fields);
    const int reference = fields.indexOf(kIotaField), name = fields.indexOf(kIslandField),
              call = fields.indexOf(kCallField), statusCode = fields.indexOf(kStatusField),
              groupCode = fields.indexOf(kGroupField);
    store::Statement& select =
        database.prepare(QStringLiteral("SELECT * FROM \"%1\" ORDER BY \"%2\"").arg(table, kKeyField));
    QStringList values;
    while (select.step()) {
        values.clear();
        for (int column = 0; column < select.columnCount(); ++column) values << select.columnText(column);
        if (values[statusCode] == status::Unallocated) continue;
        MapGroup group{values[reference],
                       values[name],
                       values[call],
                       values[groupCode],
                       table,
                       statusOfCode(values[statusCode]),
                       {},
                       0};
        group.place = group.status
                          ? placeOf(facts.value(group.reference).box)
                          : GroupPlace{std::nullopt, QStringLiteral("status \"%1\" unknown").arg(values[statusCode])};
        for (size_t mode = 0; mode < filters.size(); ++mode)
            if (filters[mode]->matches(values)) group.displayModes |= 1u << mode;
        groups.push_back(std::move(group));
    }
    select.reset();
}

}  // namespace

QString groupSummary(const MapGroup& group) {
    QString text = group.reference + u' ' + group.name;
    if (group.status) text += QStringLiteral("\nStatus: %1").arg(statusKind(*group.status).name);
    if (!group.call.isEmpty()) text += QStringLiteral("\nCall: %1").arg(group.call);
    return text;
}

std::vector<MapGroup> readMapGroups(store::Database& database) {
    const QHash<QString, GroupFacts> facts = readGroupFacts(database);
    std::vector<MapGroup> groups;
    for (const Continent& continent : continents()) readTable(database, continent.tableName, facts, groups);
    return groups;
}

}  // namespace maps
