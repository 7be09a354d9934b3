#include "register/delivered_data.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>

#include "app/failure.h"
#include "register/codes.h"
#include "register/store/database.h"

namespace {

struct OwnerRow {
    const char* name;
    bool isPublic;  // personal free text the user may change by hand
};

// In the order of the checkpoint update file, with the setup and flag rows after the free text.
constexpr OwnerRow kOwnerRows[] = {
    {"Callsign", false},
    {"Directory No", false},
    {"Checkpoint", false},
    {"Last updated", false},
    {"Last exported", false},
    {"Name", true},
    {"Name on Certificate", true},
    {"Address1", true},
    {"Address2", true},
    {"Address3", true},
    {"Town", true},
    {"County", true},
    {"Postcode", true},
    {"Country", true},
    {"Phone-Home", true},
    {"Phone-Work", true},
    {"Fax", true},
    {"E-mail", true},
    {"Comments1", true},
    {"Comments2", true},
    {"Mode endorsement", false},
    {"Awards group", false},
    {"RSGB Member", false},
    {"Short Wave Listener", false},
    {"Club Callsign", false},
    {"C'vted to Directory 2000", false},
    {"KAYROLL Computer updates", false},
    {"No data received", false},
    {"Believed inactive", false},
    {"Silent key", false},
    {"Marked for delete", false},
    {"Don't show on listings", false},
    {"Other Calls1", true},
    {"Other Calls2", true},
    {"Other Calls3", true},
    {"Other Calls4", true},
};

struct AwardRow {
    QString name;  // at most 13 characters: the update file's column width
    QString title;
};

QList<AwardRow> awardRows() {
    QList<AwardRow> rows;
    for (int count = 100; count <= 1100; count += 100)
        rows.append({QStringLiteral("IOTA %1").arg(count), QStringLiteral("IOTA %1 Islands of the World").arg(count)});
    for (const Continent& continent : continents())
        rows.append({QStringLiteral("IOTA ") + continent.code, QStringLiteral("IOTA ") + continent.name});
    rows.append({QStringLiteral("Arctic Isl."), QStringLiteral("IOTA Arctic Islands")});
    rows.append({QStringLiteral("British Isles"), QStringLiteral("IOTA British Isles")});
    rows.append({QStringLiteral("West Indies"), QStringLiteral("IOTA West Indies")});
    rows.append({QStringLiteral("World Diploma"), QStringLiteral("IOTA World Diploma")});
    rows.append({QStringLiteral("Honour Roll"), QStringLiteral("IOTA Honour Roll")});
    rows.append({QStringLiteral("Plaque Excel."), QStringLiteral("IOTA Plaque of Excellence")});
    return rows;
}

void fillOwner(store::Database& db) {
    store::Statement& insert =
        db.prepare(QStringLiteral("INSERT INTO \"Owner\" (No, Name, Value, Permission) VALUES (?1, ?2, '', ?3)"));
    int number = 0;
    for (const OwnerRow& row : kOwnerRows) {
        insert.reset();
        insert.bind(1, qint64(++number));
        insert.bind(2, QString::fromUtf8(row.name));
        insert.bind(3, row.isPublic ? QStringLiteral("public") : QString());
        insert.step();
    }
}

void fillIslands(store::Database& db, const Continent& continent, const QMap<int, const ListedIsland*>& listed) {
    const int last = (listed.isEmpty() ? 0 : listed.lastKey()) + kUnallocatedPadding;
    store::Statement& insert =
        db.prepare(QStringLiteral("INSERT INTO \"%1\" (Key, ABW, IOTA, Prefix, Island, Call, Status, Comment) "
                                  "VALUES (?1, '', ?2, ?3, ?4, '', ?5, '')")
                       .arg(continent.tableName));
    for (int number = 1; number <= last; ++number) {
        const ListedIsland* island = listed.value(number);
        insert.reset();
        insert.bind(1, qint64(number));
        insert.bind(2, QStringLiteral("%1-%2").arg(continent.code).arg(number, 3, 10, QLatin1Char('0')));
        insert.bind(3, island ? island->prefix : QString());
        insert.bind(4, island ? island->name : QString());
        insert.bind(5, island ? status::Needed : status::Unallocated);
        insert.step();
    }
}

void fillAwards(store::Database& db) {
    store::Statement& insert =
        db.prepare(QStringLiteral("INSERT INTO \"Awards\" (No, Award_name, Award_title, Award_number, Award_issued) "
                                  "VALUES (?1, ?2, ?3, 'NONE', 'XXXXXXXX')"));
    int number = 0;
    for (const AwardRow& award : awardRows()) {
        insert.reset();
        insert.bind(1, qint64(++number));
        insert.bind(2, award.name);
        insert.bind(3, award.title);
        insert.step();
    }
}

void fillTables(const QString& dataFolder, const std::vector<ListedIsland>& islands) {
    store::Database::create(dataFolder);
    store::Database db(dataFolder);
    store::Database::Transaction transaction(db);
    fillOwner(db);
    for (const Continent& continent : continents()) {
        QMap<int, const ListedIsland*> listed;
        for (const ListedIsland& island : islands)
            if (island.reference.startsWith(continent.code)) listed.insert(island.reference.mid(3).toInt(), &island);
        fillIslands(db, continent, listed);
    }
    fillAwards(db);
}

}  // namespace

void createDeliveredDataFolder(const QString& workingFolder, const std::vector<ListedIsland>& islands) {
    const QString dataFolder = QDir(workingFolder).filePath(QStringLiteral("Data"));
    const QString target = QDir(dataFolder).filePath(QLatin1String(store::Database::kFileName));
    if (QFileInfo::exists(target))
        throw Failure(QStringLiteral("%1 already exists; nothing was changed").arg(QDir::toNativeSeparators(target)));
    // Built aside and moved into place whole, so that a failure leaves no half-filled database.
    const QString buildFolder =
        QDir(dataFolder).filePath(QStringLiteral(".init-%1").arg(QCoreApplication::applicationPid()));
    QDir(buildFolder).removeRecursively();
    try {
        fillTables(buildFolder, islands);
    } catch (...) {
        QDir(buildFolder).removeRecursively();
        throw;
    }
    const bool moved = QFile::rename(QDir(buildFolder).filePath(QLatin1String(store::Database::kFileName)), target);
    QDir(buildFolder).removeRecursively();
    if (!moved)
        throw Failure(QStringLiteral("Cannot place the new database at %1; nothing was changed")
                          .arg(QDir::toNativeSeparators(target)));
}
