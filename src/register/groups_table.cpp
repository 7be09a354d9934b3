#include "register/groups_table.h"

#include <QLocale>
#include <limits>

#include "register/store/database.h"
#include "register/store/table_names.h"

namespace {

// The edges in the order of the table's columns.
constexpr double GroupBox::*kEdges[] = {&GroupBox::west, &GroupBox::east, &GroupBox::south, &GroupBox::north};

QString fieldList() {
    return QStringLiteral("\"%1\", \"%2\", \"%3\", \"%4\", \"%5\", \"%6\"")
        .arg(kIotaField, kDxccField, kWestField, kEastField, kSouthField, kNorthField);
}

}  // namespace

void writeGroupFacts(store::Database& database, const QString& reference, const GroupFacts& facts) {
    store::Statement& insert =
        database.prepare(QStringLiteral("INSERT OR REPLACE INTO \"%1\" (%2) VALUES (?1, ?2, ?3, ?4, ?5, ?6)")
                             .arg(kGroupsTable, fieldList()));
    insert.bind(1, reference);
    insert.bind(2, facts.dxcc);
    // Without a box the edges stay unbound: NULL. Bound as the shortest exact text, the columns'
    // REAL affinity stores the number itself.
    if (facts.box)
        for (int edge = 0; edge < 4; ++edge)
            insert.bind(3 + edge, QString::number((*facts.box).*kEdges[edge], 'g', QLocale::FloatingPointShortest));
    insert.step();
    insert.reset();
}

QHash<QString, GroupFacts> readGroupFacts(store::Database& database) {
    QHash<QString, GroupFacts> stored;
    store::Statement& select = database.prepare(QStringLiteral("SELECT %1 FROM \"%2\"").arg(fieldList(), kGroupsTable));
    while (select.step()) {
        GroupFacts& facts = stored[select.columnText(0)];
        facts.dxcc = select.columnText(1);
        bool anyEdge = false;
        GroupBox box;
        // An edge stored as anything but a number (text put in by hand, one edge of four left
        // NULL) is not a number, so that the box is not drawn at 0°.
        for (int edge = 0; edge < 4; ++edge) {
            anyEdge = anyEdge || !select.columnIsNull(2 + edge);
            box.*kEdges[edge] = select.columnIsNumber(2 + edge) ? select.columnDouble(2 + edge)
                                                                : std::numeric_limits<double>::quiet_NaN();
        }
        if (anyEdge) facts.box = box;
    }
    select.reset();
    return stored;
}
