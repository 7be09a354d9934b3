#include "member_workload.h"

#include <memory>

#include "exchange/island_rules.h"
#include "exchange/owner_lines.h"
#include "exchange/record_kinds.h"
#include "register/codes.h"
#include "register/iota_list.h"
#include "register/store/database.h"

namespace {

const QStringList kResets = {
    R"(UPDATE "Owner" SET Value = '')",
    R"(UPDATE "Awards" SET Award_name = '', Award_title = '', Award_number = 'NONE', Award_issued = 'XXXXXXXX')",
};
const QString kIslandReset = QStringLiteral("Status = '-', Call = '', Prefix = '', Island = '', ABW = ''");
const IslandRecord kResetIsland{"-", "", "", ""};

QString memberIslandLine(const ListedIsland& island, int n) {
    const QString call = n % 25 == 0 ? "DELETED" : n % 10 == 0 ? "NONE" : "K" + island.reference.right(3) + "/P";
    const QString prefix = n % 25 == 0 ? "DELETED" : island.prefix;
    return "ISLAND   " + island.reference + " " + call.leftJustified(15, u' ', true) +
           prefix.leftJustified(10, u' ', true) + island.name;
}

void addOwnerLines(MemberWorkload& load) {
    const QList<QPair<QString, QString>> owner = {
        {"CALLSIGN", "G3ABC"},
        {"DIRNUM", "01234"},
        {"CHECKPT", "G3KMA"},
        {"DATE", "01-02-04"},
        {"NAME", "John Smith"},
        {"CERTNAME", "J Smith"},
        {"ADDRESS1", "1 High St"},
        {"ADDRESS2", "Village"},
        {"ADDRESS3", "Parish"},
        {"POSTTOWN", "Town"},
        {"POSTCODE", "AB1 2CD"},
        {"COUNTRY", "England"},
        {"HPHONE", "01000 000000"},
        {"WPHONE", "02000"},
        {"FAX", "03000"},
        {"EMAIL", "g3abc@example.org"},
        {"COMMENT1", "first"},
        {"COMMENT2", "second"},
        {"MODES", "1"},
        {"STATUS", "1023"},
        {"PREVCALL", "G3A G3B G3C G3D G3E G3F G3G G3H "},
    };
    for (const auto& [keyword, value] : owner) load.lines << keyword.leftJustified(9) + value;
    const QList<QPair<QString, QString>> rows = {
        {"Callsign", "G3ABC"},
        {"Directory No", "01234"},
        {"Checkpoint", "G3KMA"},
        {"Last updated", "01-02-04"},
        {"Name", "John Smith"},
        {"Name on Certificate", "J Smith"},
        {"Address1", "1 High St"},
        {"Address2", "Village"},
        {"Address3", "Parish"},
        {"Town", "Town"},
        {"Postcode", "AB1 2CD"},
        {"Country", "England"},
        {"Phone-Home", "01000 000000"},
        {"Phone-Work", "02000"},
        {"Fax", "03000"},
        {"E-mail", "g3abc@example.org"},
        {"Comments1", "first"},
        {"Comments2", "second"},
        {"Mode endorsement", "CW"},
        {"Other Calls1", "G3A G3B"},
        {"Other Calls2", "G3C G3D"},
        {"Other Calls3", "G3E G3F"},
        {"Other Calls4", "G3G G3H"},
    };
    for (const auto& [row, value] : rows) load.changes.push_back({kOwnerTable, "Name", row, {"Value"}, {value}});
    for (const Flag& flag : flags()) load.changes.push_back({kOwnerTable, "Name", flag.row, {"Value"}, {"Yes"}});
}

void addAwardLines(MemberWorkload& load) {
    for (int k = 1; k <= 20; ++k) {
        const QString name = QString("Award %1").arg(k);
        const QString number = QString::number(k * 10);
        const QString title = QString("Title of award %1").arg(k);
        load.lines << "AWARD    " + name.leftJustified(14) + number.leftJustified(7) + "01-02-04 " + title;
        load.changes.push_back({kAwardsTable,
                                "No",
                                QString::number(k),
                                {"Award_name", "Award_title", "Award_number", "Award_issued"},
                                {name, title, number, "01-02-04 "}});
    }
}

// Island lines for every listed reference, group lines for every third of a group's continents.
void addKindLines(MemberWorkload& load) {
    const std::vector<ListedIsland> islands = readIotaTable(QLatin1String(kDebianIotaList));
    for (const RecordKind& kind : recordKinds()) {
        int n = 0;
        for (const ListedIsland& island : islands) {
            if (!island.reference.startsWith(kind.continentCode)) continue;
            if (!kind.isGroupKind()) {
                const QString line = memberIslandLine(island, ++n);
                const IslandRecord after = applyIslandLine(memberIslandLines(), line, kResetIsland);
                load.lines << line;
                load.changes.push_back({kind.tableName(),
                                        "IOTA",
                                        island.reference,
                                        {"Status", "Call", "Prefix", "Island"},
                                        {after.status, after.call, after.prefix, after.island}});
            } else if (++n % 3 == 0) {
                load.lines << kind.text.left(9) + island.reference;
                load.changes.push_back({kind.tableName(), "IOTA", island.reference, {"ABW"}, {kind.group}});
            }
        }
    }
}

}  // namespace

const MemberWorkload& memberWorkload() {
    static const MemberWorkload load = [] {
        MemberWorkload made;
        addOwnerLines(made);
        addAwardLines(made);
        addKindLines(made);
        return made;
    }();
    return load;
}

void resetTables(store::Database& db) {
    store::Database::Transaction batch(db);
    for (const QString& reset : kResets) db.execute(reset);
    for (const Continent& continent : continents())
        db.execute(QStringLiteral("UPDATE \"%1\" SET %2").arg(continent.tableName, kIslandReset));
    batch.commit();
}

void rawRowChanges(store::Database& db, const std::vector<RowChange>& changes) {
    store::Database::Transaction batch(db);
    std::unique_ptr<store::Statement> select;
    std::unique_ptr<store::Statement> update;
    const RowChange* previous = nullptr;
    for (const RowChange& change : changes) {
        if (!previous || previous->table != change.table || previous->fields != change.fields) {
            QStringList assignments;
            for (const QString& field : change.fields) assignments << QStringLiteral("\"%1\" = ?").arg(field);
            select = std::make_unique<store::Statement>(
                db.handle(),
                QStringLiteral("SELECT rowid FROM \"%1\" WHERE \"%2\" = ?1").arg(change.table, change.keyField));
            update = std::make_unique<store::Statement>(
                db.handle(),
                QStringLiteral("UPDATE \"%1\" SET %2 WHERE rowid = ?").arg(change.table, assignments.join(", ")));
        }
        previous = &change;
        select->reset();
        select->bind(1, change.key);
        if (!select->step()) continue;
        update->reset();
        for (int i = 0; i < change.values.size(); ++i) update->bind(i + 1, change.values[i]);
        update->bind(int(change.values.size()) + 1, select->columnInteger(0));
        update->step();
    }
    batch.commit();
}
