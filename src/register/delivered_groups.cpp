#include "register/delivered_groups.h"

#include <QFile>

#include "base/failure.h"
#include "register/codes.h"
#include "register/groups_table.h"
#include "register/iota_list.h"
#include "register/store/database.h"
#include "register/store/table_names.h"

namespace {

const QString kResource = QStringLiteral(":/iota-groups.tsv");

// Columns: IOTA, ABW, West, East, South, North, DXCC.
constexpr int kColumns = 7;

// The box of a line, none when its edges are empty; false when the line is damaged.
bool readBox(const QStringList& columns, std::optional<GroupBox>& box) {
    if (columns[2].isEmpty()) return true;
    double edges[4];
    for (int i = 0; i < 4; ++i) {
        bool isNumber = false;
        edges[i] = columns[2 + i].toDouble(&isNumber);
        if (!isNumber) return false;
    }
    box = GroupBox{edges[0], edges[1], edges[2], edges[3]};
    return true;
}

std::optional<DeliveredGroup> readGroup(const QString& line) {
    const QStringList columns = line.split(u'\t');
    if (columns.size() != kColumns || !isListedReference(columns[0]) || !group::isGroupCode(columns[1]))
        return std::nullopt;
    DeliveredGroup group{columns[0], columns[1], {}};
    const std::optional<QString> dxcc = dxccNumbers(columns[6]);
    if (!dxcc && !columns[6].isEmpty()) return std::nullopt;
    group.facts.dxcc = dxcc.value_or(QString());
    if (!readBox(columns, group.facts.box)) return std::nullopt;
    return group;
}

}  // namespace

std::vector<DeliveredGroup> deliveredGroups() {
    QFile file(kResource);
    if (!file.open(QIODevice::ReadOnly)) throw Failure(QStringLiteral("The program holds no table of groups"));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    std::vector<DeliveredGroup> groups;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith(u'#') || lines[i].startsWith(kIotaField)) continue;
        const std::optional<DeliveredGroup> group = readGroup(lines[i]);
        if (!group)
            throw Failure(QStringLiteral("The program's table of groups is damaged at line %1; install the program "
                                         "again")
                              .arg(i + 1));
        groups.push_back(*group);
    }
    return groups;
}

void applyDeliveredGroups(store::Database& database) {
    for (const DeliveredGroup& group : deliveredGroups()) {
        const Continent* continent = continentByCode(group.reference.left(2));
        store::Statement& update =
            database.prepare(QStringLiteral("UPDATE \"%1\" SET \"%2\" = ?1 WHERE \"%3\" = ?2 RETURNING 1")
                                 .arg(continent->tableName, kGroupField, kIotaField));
        update.bind(1, group.group);
        update.bind(2, group.reference);
        const bool held = update.step();
        update.reset();
        if (held) writeGroupFacts(database, group.reference, group.facts);
    }
}
