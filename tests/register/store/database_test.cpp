#include "register/store/database.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "base/failure.h"
#include "register/start_state.h"
#include "register/store/table.h"
#include "support/data_folder.h"
#include "support/failing_vfs.h"

namespace {

QString failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Failure& failure) {
        return failure.message();
    }
    return {};
}

TEST(Database, ASecondConnectionIsRefusedWhileTheFolderIsHeld) {
    TestDataFolder folder;
    store::Database first(folder.dataFolder());
    store::Table table(first);
    table.Open();

    store::Database second(folder.dataFolder());
    const QString message = failureOf([&] { second.columnsOf("Owner"); });
    EXPECT_TRUE(message.contains("in use")) << message.toStdString();
    EXPECT_TRUE(message.contains(folder.dataFolder())) << message.toStdString();

    table.Close();
    first.close();
    EXPECT_EQ(second.columnsOf("Owner").size(), 4) << "free again once the first lets go";
}

TEST(Database, MissingDataFolderSaysWhereItLooked) {
    QTemporaryDir dir;
    store::Database db(dir.filePath("Data"));
    store::Table table(db);
    const QString message = failureOf([&] { table.Open(); });
    EXPECT_TRUE(message.contains(dir.filePath("Data"))) << message.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("Data/skerrydesk.db"))) << "nothing is created by looking";
}

TEST(Database, ABatchKeepsWhatWasPostedBeforeItsFailure) {
    TestDataFolder folder;
    {
        store::Database db(folder.dataFolder());
        store::Table table(db);
        table.setReadOnly(false);
        table.setTableName("IOTA-AF");
        table.setFilter("IOTA = 'AF-001'");
        table.setFiltered(true);
        EXPECT_THROW(
            {
                store::Database::Transaction batch(db);
                table.Open();
                table.Edit();
                table.FieldByName("Status").setAsString("A");
                table.Post();
                table.setFilter("IOTA = 'AF-999'");
                table.Edit();  // no such record: the batch ends here
            },
            Failure);
    }
    EXPECT_EQ(folder.column("IOTA-AF", "Status").first(), "A");
}

// What a batch ended by a failure kept is told apart: the records written before it, or none.
TEST(Database, ABatchEndedByAFailureTellsWhetherItKeptRecords) {
    TestDataFolder folder;
    store::Database db(folder.dataFolder());
    const auto failingBatch = [&](const QString& written) {
        try {
            store::Database::Transaction batch(db);
            if (!written.isEmpty()) db.execute(written);
            throw Failure("the batch fails");
        } catch (const Failure&) {
        }
        return db.failedBatchKeptRecords();
    };
    EXPECT_TRUE(failingBatch("UPDATE \"IOTA-AF\" SET Status = 'W' WHERE Key = 1"));
    EXPECT_FALSE(failingBatch(QString())) << "nothing written before the failure";
    EXPECT_FALSE(failingBatch("UPDATE \"IOTA-AF\" SET Status = 'W' WHERE Key = 0")) << "no record changed";
    {
        store::Database::Transaction batch(db);
        db.execute("UPDATE \"IOTA-AF\" SET Status = 'C' WHERE Key = 1");
        batch.commit();
    }
    EXPECT_FALSE(db.failedBatchKeptRecords()) << "a batch that ended well is no failed one";
}

void overwrite(const QString& file, qint64 offset, const QByteArray& bytes) {
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::ReadWrite));
    out.seek(offset);
    out.write(bytes);
}

struct SpoiltFile {
    const char* name;
    std::function<void(const QString& file, FailingDisk& disk)> spoil;
    QStringList said;
};

TEST(Database, ASpoiltDataFileIsReportedWithWhatToDo) {
    const QString init = QStringLiteral("run \"skerrydesk-cli init\" to start again");
    // Every way back is named with the command that takes it.
    const QString restore = QStringLiteral(
        "restore it from a backup (\"skerrydesk-cli backups\", then \"skerrydesk-cli restore ID\", or \"8 More > "
        "Backups\" "
        "in the program)");
    const SpoiltFile cases[] = {
        {"write-protected",
         [](const QString&, FailingDisk& disk) { disk.setWriteProtected(true); },
         {"is write-protected; allow writing"}},
        {"zero-length", [](const QString& file, FailingDisk&) { QFile::resize(file, 0); }, {"is empty", restore, init}},
        {"junk",
         [](const QString& file, FailingDisk&) { overwrite(file, 0, QByteArray(8192, 'j')); },
         {"is not a Skerrydesk database", restore, init}},
        {"damaged",
         [](const QString& file, FailingDisk&) { overwrite(file, 100, QByteArray(4000, '\xAA')); },
         {"is damaged; " + restore, init}},
    };
    FailingDisk disk;
    for (const SpoiltFile& spoilt : cases) {
        TestDataFolder folder;
        store::Database db(folder.dataFolder());
        spoilt.spoil(db.fileName(), disk);
        store::Table table(db);
        const QString message = failureOf([&] { readStartState(table); });
        disk.setWriteProtected(false);
        EXPECT_TRUE(message.startsWith(QDir::toNativeSeparators(db.fileName())))
            << spoilt.name << ": " << message.toStdString();
        for (const QString& words : spoilt.said)
            EXPECT_TRUE(message.contains(words)) << spoilt.name << ": " << message.toStdString();
    }
}

}  // namespace

namespace {

QStringList rowOf(store::Statement& select) {
    QStringList values;
    EXPECT_TRUE(select.step());
    for (int column = 0; column < select.columnCount(); ++column) values << select.columnText(column);
    select.reset();
    return values;
}

// Values read as text as they are stored: a number given to a column of text affinity is text,
// a whole REAL reads without ".0", also after the table was made anew under a kept statement.
TEST(Database, ColumnsReadAsTextByTheirAffinity) {
    TestDataFolder folder;
    store::Database db(folder.dataFolder());
    db.execute(
        "CREATE TABLE t (a TEXT, b REAL, c INTEGER, d, e VARCHAR(5), f NUMERIC); "
        "INSERT INTO t VALUES (1.0, 2.0, 3, 4.0, 5.0, 6.0)");
    const QString sql = QStringLiteral("SELECT *, b FROM t");
    EXPECT_EQ(rowOf(db.prepare(sql)), (QStringList{"1.0", "2", "3", "4", "5.0", "6", "2"}));
    db.execute(
        "DROP TABLE t; CREATE TABLE t (a REAL, b TEXT, c INTEGER, d, e VARCHAR(5), f NUMERIC, g TEXT); "
        "INSERT INTO t VALUES (1.0, 2.0, 3, 4.5, 5.0, 6.0, 7.0)");
    EXPECT_EQ(rowOf(db.prepare(sql)), (QStringList{"1", "2.0", "3", "4.5", "5.0", "6", "7.0", "2.0"}))
        << "the kept statement, prepared anew by SQLite";
}

}  // namespace
