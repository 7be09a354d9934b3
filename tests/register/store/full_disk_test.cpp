// A disk that fills up part-way through a batch command, at every point of its writes.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <optional>

#include "base/failure.h"
#include "base/text_file.h"
#include "exchange/member_import.h"
#include "listupdate/iota_json_list.h"
#include "listupdate/iota_json_update.h"
#include "listupdate/list_update.h"
#include "register/codes.h"
#include "register/delivered_data.h"
#include "register/start_state.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "support/data_folder.h"
#include "support/failing_vfs.h"

namespace {

using BatchRun = std::function<void(store::Database&, store::Table&, const QString& file, const StartCounts&)>;

struct Batch {
    const char* name;
    const char* input;
    BatchRun run;
};

const Batch kBatches[] = {
    {"member import", "/member/island-rules/member.mbr",
     [](store::Database& db, store::Table& table, const QString& file, const StartCounts& counts) {
         importMemberFile(db, table, file, counts);
     }},
    {"update from a file", "/update_island_rules/update.txt",
     [](store::Database& db, store::Table& table, const QString& file, const StartCounts& counts) {
         applyListUpdate(db, table, readTextLines(file), counts);
     }},
    {"the award programme's JSON list", "/iota_json_groups/list.json",
     [](store::Database& db, store::Table& table, const QString& file, const StartCounts&) {
         applyIotaListPlan(db, table, planIotaListUpdate(table, readIotaJsonList(file)));
     }},
};

// Points at which the disk fills up, spread over the bytes a command writes.
constexpr int kFillPoints = 24;

// Every row of every table, to compare whole folders.
QStringList contentsOf(store::Database& db) {
    QStringList tables = startCountTables();
    tables << QStringLiteral("Owner");
    QStringList rows;
    for (const QString& table : tables) {
        store::Statement& select = db.prepare(QStringLiteral("SELECT * FROM \"%1\" ORDER BY 1").arg(table));
        while (select.step()) {
            QStringList values{table};
            for (int column = 0; column < select.columnCount(); ++column) values << select.columnText(column);
            rows << values.join(u'|');
        }
    }
    return rows;
}

QString integrityOf(store::Database& db) {
    store::Statement& check = db.prepare(QStringLiteral("PRAGMA integrity_check"));
    return check.step() ? check.columnText(0) : QString();
}

struct Outcome {
    QString failure;  // empty when the command reported success
    qint64 written = 0;
    QStringList contents;
    QString integrity;
};

// Runs the command as the CLI does on a fresh folder, the disk full after `room` more bytes,
// then looks at the folder on a healed disk.
Outcome runOnFreshFolder(const Batch& batch, FailingDisk& disk, std::optional<qint64> room) {
    TestDataFolder folder;
    Outcome outcome;
    disk.takeWrittenBytes();
    if (room) disk.failAfter(*room);
    try {
        store::Database db(folder.dataFolder());
        store::Table table(db);
        const StartState start = readStartState(table);
        batch.run(db, table, QLatin1String(SKERRY_FIXTURES) + QLatin1String(batch.input), start.counts);
        db.close();
    } catch (const Failure& failure) {
        outcome.failure = failure.message();
    }
    disk.heal();
    outcome.written = disk.takeWrittenBytes();
    store::Database db(folder.dataFolder());
    outcome.contents = contentsOf(db);
    outcome.integrity = integrityOf(db);
    return outcome;
}

QStringList freshContents() {
    TestDataFolder folder;
    store::Database db(folder.dataFolder());
    return contentsOf(db);
}

TEST(FullDisk, ABatchReportsSuccessOnlyWithItsRowsStoredAndLeavesTheFolderWhole) {
    FailingDisk disk;
    const QStringList before = freshContents();
    for (const Batch& batch : kBatches) {
        const Outcome healthy = runOnFreshFolder(batch, disk, std::nullopt);
        ASSERT_EQ(healthy.failure, QString()) << batch.name;
        ASSERT_NE(healthy.contents, before) << batch.name << " changes the folder";
        const qint64 step = healthy.written / kFillPoints + 1;
        for (qint64 room = 0; room < healthy.written; room += step) {
            const Outcome outcome = runOnFreshFolder(batch, disk, room);
            const std::string at = std::string(batch.name) + ", full after " + std::to_string(room) + " bytes";
            EXPECT_EQ(outcome.integrity, "ok") << at;
            if (outcome.failure.isEmpty()) {
                EXPECT_EQ(outcome.contents, healthy.contents) << at << ": success without the rows stored";
            } else {
                EXPECT_TRUE(outcome.failure.contains("is full; free some space"))
                    << at << ": " << outcome.failure.toStdString();
                EXPECT_EQ(outcome.contents, before) << at << ": a failed commit stores nothing";
            }
        }
    }
}

struct InitOutcome {
    QString failure;
    qint64 written = 0;
    bool databaseLeft = false;
    bool dataFolderLeft = false;
    QString integrity;
    int ownerRows = 0;
};

InitOutcome initOnFreshFolder(FailingDisk& disk, std::optional<qint64> room) {
    QTemporaryDir working;
    InitOutcome outcome;
    disk.takeWrittenBytes();
    if (room) disk.failAfter(*room);
    try {
        createDeliveredDataFolder(working.path(), TestDataFolder::sampleIslands());
    } catch (const Failure& failure) {
        outcome.failure = failure.message();
    }
    disk.heal();
    outcome.written = disk.takeWrittenBytes();
    const QString data = QDir(working.path()).filePath(QStringLiteral("Data"));
    outcome.databaseLeft = QFile::exists(QDir(data).filePath(QLatin1String(store::Database::kFileName)));
    outcome.dataFolderLeft = QFileInfo::exists(data);
    if (outcome.databaseLeft) {
        store::Database db(data);
        outcome.integrity = integrityOf(db);
        outcome.ownerRows = int(contentsOf(db).filter(QStringLiteral("Owner|")).size());
    }
    return outcome;
}

// init on a disk that fills up leaves a whole data folder or none, and says which.
TEST(FullDisk, InitLeavesAWholeFolderOrNone) {
    FailingDisk disk;
    const InitOutcome healthy = initOnFreshFolder(disk, std::nullopt);
    ASSERT_EQ(healthy.failure, QString());
    ASSERT_TRUE(healthy.databaseLeft);
    const qint64 step = healthy.written / kFillPoints + 1;
    int failures = 0;
    for (qint64 room = 0; room < healthy.written; room += step) {
        const InitOutcome outcome = initOnFreshFolder(disk, room);
        const std::string at = "full after " + std::to_string(room) + " bytes";
        failures += outcome.failure.isEmpty() ? 0 : 1;
        if (outcome.failure.isEmpty()) {
            EXPECT_EQ(outcome.integrity, "ok") << at;
            EXPECT_EQ(outcome.ownerRows, healthy.ownerRows) << at;
        } else {
            EXPECT_FALSE(outcome.databaseLeft) << at << ": " << outcome.failure.toStdString();
            EXPECT_FALSE(outcome.failure.contains(QStringLiteral(".init"))) << at;
            EXPECT_TRUE(outcome.failure.contains(QStringLiteral(" is full; free some space")))
                << at << ": " << outcome.failure.toStdString();
            EXPECT_FALSE(outcome.dataFolderLeft) << at << ": nothing of init stays";
        }
    }
    EXPECT_GT(failures, kFillPoints / 2) << "the disk filled up within init's writes";
}

}  // namespace
