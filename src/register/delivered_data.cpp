#include "register/delivered_data.h"

#include <signal.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <algorithm>
#include <cerrno>

#include "base/failure.h"
#include "register/codes.h"
#include "register/delivered_groups.h"
#include "register/store/database.h"
#include "register/store/table_names.h"

namespace {

constexpr int kHighestNumber = 999;
const QString kBuildFolderPrefix = QStringLiteral(".init-");

struct OwnerRow {
    QLatin1StringView name;
    bool isPublic;  // personal free text the user may change by hand
};

// In the order of the checkpoint update file, with the setup and flag rows after the free text.
constexpr OwnerRow kOwnerRows[] = {
    {kCallsignRow, false},
    {kDirectoryNoRow, false},
    {kCheckpointRow, false},
    {kLastUpdatedRow, false},
    {kLastExportedRow, false},
    {kNameRow, true},
    {kNameOnCertificateRow, true},
    {kAddress1Row, true},
    {kAddress2Row, true},
    {kAddress3Row, true},
    {kTownRow, true},
    {kCountyRow, true},
    {kPostcodeRow, true},
    {kCountryRow, true},
    {kPhoneHomeRow, true},
    {kPhoneWorkRow, true},
    {kFaxRow, true},
    {kEmailRow, true},
    {kComments1Row, true},
    {kComments2Row, true},
    {kModeEndorsementRow, false},
    {kAwardsGroupRow, false},
    {kRsgbMemberRow, false},
    {kShortWaveListenerRow, false},
    {kClubCallsignRow, false},
    {kDirectory2000Row, false},
    {kComputerUpdatesRow, false},
    {kNoDataReceivedRow, false},
    {kBelievedInactiveRow, false},
    {kSilentKeyRow, false},
    {kMarkedForDeleteRow, false},
    {kDontShowOnListingsRow, false},
    {kOtherCalls1Row, true},
    {kOtherCalls2Row, true},
    {kOtherCalls3Row, true},
    {kOtherCalls4Row, true},
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

// The rows a table of the new database must hold once it is built.
struct ExpectedRows {
    QString table;
    qint64 rows;
};

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString insertInto(const QString& table, const QStringList& fields, const QString& values) {
    return QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)").arg(table, fields.join(QStringLiteral(", ")), values);
}

qint64 fillOwner(store::Database& db) {
    store::Statement& insert = db.prepare(insertInto(kOwnerTable, {kNoField, kNameField, kValueField, kPermissionField},
                                                     QStringLiteral("?1, ?2, '', ?3")));
    qint64 number = 0;
    for (const OwnerRow& row : kOwnerRows) {
        insert.reset();
        insert.bind(1, ++number);
        insert.bind(2, row.name);
        insert.bind(3, row.isPublic ? QStringLiteral("public") : QString());
        insert.step();
    }
    return number;
}

qint64 fillIslands(store::Database& db, const Continent& continent, const QMap<int, const ListedIsland*>& listed) {
    const int highestListed = listed.isEmpty() ? 0 : listed.lastKey();
    const int last = std::min(highestListed + kUnallocatedPadding, kHighestNumber);
    store::Statement& insert = db.prepare(insertInto(
        continent.tableName,
        {kKeyField, kGroupField, kIotaField, kPrefixField, kIslandField, kCallField, kStatusField, kCommentField},
        QStringLiteral("?1, '', ?2, ?3, ?4, '', ?5, ''")));
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
    return last;
}

qint64 fillAwards(store::Database& db) {
    store::Statement& insert = db.prepare(
        insertInto(kAwardsTable, {kNoField, kAwardNameField, kAwardTitleField, kAwardNumberField, kAwardIssuedField},
                   QStringLiteral("?1, ?2, ?3, 'NONE', 'XXXXXXXX'")));
    qint64 number = 0;
    for (const AwardRow& award : awardRows()) {
        insert.reset();
        insert.bind(1, ++number);
        insert.bind(2, award.name);
        insert.bind(3, award.title);
        insert.step();
    }
    return number;
}

std::vector<ExpectedRows> fillTables(store::Database& db, const std::vector<ListedIsland>& islands) {
    std::vector<ExpectedRows> expected{{kOwnerTable, fillOwner(db)}};
    for (const Continent& continent : continents()) {
        QMap<int, const ListedIsland*> listed;
        for (const ListedIsland& island : islands)
            if (island.reference.startsWith(continent.code)) listed.insert(island.reference.mid(3).toInt(), &island);
        expected.push_back({continent.tableName, fillIslands(db, continent, listed)});
    }
    expected.push_back({kAwardsTable, fillAwards(db)});
    return expected;
}

// A silently lost write (a full disk at the commit) shows as a damaged file or missing rows.
void checkTables(store::Database& db, const std::vector<ExpectedRows>& expected) {
    store::Statement& integrity = db.prepare(QStringLiteral("PRAGMA integrity_check"));
    const QString verdict = integrity.step() ? integrity.columnText(0) : QString();
    integrity.reset();
    if (verdict != QLatin1String("ok"))
        throw Failure(QStringLiteral("the new database fails its integrity check (%1)").arg(verdict));
    for (const ExpectedRows& table : expected) {
        store::Statement& count = db.prepare(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table.table));
        const qint64 rows = count.step() ? count.columnInteger(0) : -1;
        count.reset();
        if (rows != table.rows)
            throw Failure(QStringLiteral("the new table \"%1\" holds %2 rows instead of %3")
                              .arg(table.table)
                              .arg(rows)
                              .arg(table.rows));
    }
}

// Moves every page of the write-ahead log into the database file and closes it, so that the one
// file renamed into place holds everything.
void writeOutWhole(store::Database& db) {
    store::Statement& checkpoint = db.prepare(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    const bool complete = checkpoint.step() && checkpoint.columnInteger(0) == 0 &&
                          checkpoint.columnInteger(1) == checkpoint.columnInteger(2);
    checkpoint.reset();
    const QString log = db.fileName() + QStringLiteral("-wal");
    db.close();
    if (!complete || QFileInfo(log).size() > 0)
        throw Failure(QStringLiteral("the new database could not be written out whole"));
}

void buildDatabase(const QString& buildFolder, const std::vector<ListedIsland>& islands,
                   const FinishNewTables& finish) {
    store::Database::create(buildFolder);
    store::Database db(buildFolder);
    // A transaction of its own whose commit is checked: the file is thrown away on any failure.
    db.execute(QStringLiteral("BEGIN IMMEDIATE"));
    const std::vector<ExpectedRows> expected = fillTables(db, islands);
    if (finish) finish(db);
    db.execute(QStringLiteral("COMMIT"));
    checkTables(db, expected);
    writeOutWhole(db);
}

void makeBuildFolder(const QString& dataFolder, const QString& buildFolder) {
    QDir(buildFolder).removeRecursively();
    if (!QDir().mkpath(dataFolder) || !QDir().mkdir(buildFolder))
        throw Failure(QStringLiteral("nothing can be written into the data folder %1").arg(native(dataFolder)));
}

// The rename of one file within the data folder is atomic: the database appears whole or not at all.
void placeDatabase(const QString& built, const QString& target) {
    if (!QFile::rename(built, target))
        throw Failure(QStringLiteral("the finished database cannot be renamed into place"));
}

Failure alreadyThere(const QString& target) {
    return Failure(QStringLiteral("%1 already exists; nothing was changed").arg(native(target)));
}

bool processRuns(qint64 pid) {
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

}  // namespace

// The build folder of a killed creation is named after its process; the process's number tells
// whether it may still be at work. Every start looks, so the prefix is tested by hand: a name
// filter would compile a pattern each time.
void removeAbandonedBuildFolders(const QString& dataFolder) {
    const QDir folder(dataFolder);
    for (const QString& name : folder.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (!name.startsWith(kBuildFolderPrefix)) continue;
        bool isNumber = false;
        const qint64 pid = name.mid(kBuildFolderPrefix.size()).toLongLong(&isNumber);
        if (isNumber && pid > 0 && !processRuns(pid)) QDir(folder.filePath(name)).removeRecursively();
    }
}

void createDeliveredDataFolder(const QString& workingFolder, const std::vector<ListedIsland>& islands,
                               const FinishNewTables& finish) {
    const QString dataFolder = QDir(workingFolder).filePath(QStringLiteral("Data"));
    const QString target = QDir(dataFolder).filePath(QLatin1String(store::Database::kFileName));
    const bool dataFolderExisted = QFileInfo(dataFolder).isDir();
    if (dataFolderExisted) removeAbandonedBuildFolders(dataFolder);
    if (QFileInfo::exists(target)) throw alreadyThere(target);
    const QString buildFolder =
        QDir(dataFolder).filePath(kBuildFolderPrefix + QString::number(QCoreApplication::applicationPid()));
    const auto discard = [&] {
        QDir(buildFolder).removeRecursively();
        if (!dataFolderExisted) QDir().rmdir(dataFolder);
    };
    try {
        makeBuildFolder(dataFolder, buildFolder);
        buildDatabase(buildFolder, islands, finish);
        placeDatabase(QDir(buildFolder).filePath(QLatin1String(store::Database::kFileName)), target);
    } catch (const Failure& failure) {
        discard();
        if (QFileInfo::exists(target)) throw alreadyThere(target);  // another creation was quicker
        // The build folder is the program's own business: the message names the data folder.
        const QString reason = QString(failure.message()).replace(native(buildFolder), native(dataFolder));
        throw Failure(QStringLiteral("Cannot create %1: %2; nothing was created. Check that the disk has room and the "
                                     "data folder is writable, then try again")
                          .arg(native(target), reason));
    } catch (...) {
        discard();
        throw;
    }
    QDir(buildFolder).removeRecursively();
}

int createDataFolderFromDebianList(const QString& workingFolder) {
    const std::vector<ListedIsland> islands = readIotaTable(QLatin1String(kDebianIotaList));
    if (islands.empty())
        throw Failure(QStringLiteral("%1 lists no island references; reinstall the package cqrlog-data")
                          .arg(QLatin1String(kDebianIotaList)));
    createDeliveredDataFolder(workingFolder, islands, applyDeliveredGroups);
    return int(islands.size());
}
