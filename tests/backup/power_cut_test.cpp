// Power cuts at random moments of a member import, an ADIF import, a restore and a backup, and
// right after each has ended: every write not yet synced is dropped and the program ends there.
// Opened again, the data folder holds the tables as before the command or as after it, never
// another state, every backup on file is whole, and a success line was printed only where the
// tables are as after.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <iostream>
#include <random>

#include "backup/backup_check.h"
#include "backup/backups.h"
#include "register/store/database.h"
#include "support/data_folder.h"
#include "support/island_records.h"
#include "support/table_rows.h"

namespace {

constexpr int kCutsPerCommand = 50;
constexpr int kPowerCutExitCode = 86;

struct Run {
    int exitCode;
    QString out;
};

// Runs skerrydesk-cli in the working folder with the power cut before its `cutAt`-th write, sync
// or truncation (none with 0); `operations` gets how many it made when it ran to its end.
Run runWithPowerCut(const QString& workingFolder, const QStringList& arguments, long long cutAt,
                    long long* operations = nullptr) {
    const QString countFile = QDir(workingFolder).filePath("operations.txt");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LD_PRELOAD", SKERRY_POWER_CUT_LIBRARY);
    environment.insert("SKERRY_POWER_CUT_AT", QString::number(cutAt));
    environment.insert("SKERRY_POWER_CUT_COUNT", countFile);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workingFolder);
    process.start(SKERRY_CLI, arguments);
    process.waitForFinished(60000);
    if (operations) {
        QFile count(countFile);
        *operations = count.open(QIODevice::ReadOnly) ? count.readAll().trimmed().toLongLong() : 0;
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput())};
}

void copyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    for (const QFileInfo& entry : QDir(from).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        const QString target = QDir(to).filePath(entry.fileName());
        if (entry.isDir())
            copyFolder(entry.filePath(), target);
        else
            QFile::copy(entry.filePath(), target);
    }
}

// The data folder as the next program finds it: opening it recovers its log, then its tables are
// checked and read.
TableRows openedRows(const QString& dataFolder) {
    store::Database(dataFolder).handle();
    const QString liveFile = QDir(dataFolder).filePath(store::Database::kFileName);
    backup::checkBackup(liveFile);
    return readTableRows(liveFile);
}

QStringList backupIds(const QString& dataFolder) {
    QStringList ids;
    for (const backup::Backup& backup : backup::listBackups(dataFolder)) ids << backup.name.id();
    return ids;
}

// One command on a prepared data folder, and what it gives when the power stays on.
class CutCommand {
public:
    CutCommand(const char* name, QStringList arguments, const char* successStart)
        : m_name(name), m_arguments(std::move(arguments)), m_successStart(successStart) {}

    TestDataFolder start;

    void setArguments(QStringList arguments) { m_arguments = std::move(arguments); }

    // Runs the command once without a cut: the tables after it and the operations it made.
    void runWhole() {
        QTemporaryDir working;
        copyFolder(start.dataFolder(), QDir(working.path()).filePath("Data"));
        m_before = openedRows(start.dataFolder());
        m_backupsBefore = backupIds(start.dataFolder());
        const Run whole = runWithPowerCut(working.path(), m_arguments, 0, &m_operations);
        ASSERT_EQ(whole.exitCode, 0) << m_name;
        ASSERT_TRUE(whole.out.startsWith(m_successStart)) << m_name << ": " << whole.out.toStdString();
        m_after = openedRows(QDir(working.path()).filePath("Data"));
        ASSERT_GT(m_operations, 0) << m_name;
    }

    long long operations() const { return m_operations; }
    const char* name() const { return m_name; }
    // How many cuts left the tables as before the command, and how many as after it.
    int foundBefore() const { return m_foundBefore; }
    int foundAfter() const { return m_foundAfter; }

    // Cuts the power before the operation `cutAt` of a run on a fresh copy of the start, then
    // opens the folder again. A run that makes fewer operations than the whole one may end first.
    void cutAndCheck(long long cutAt, unsigned seed) {
        const std::string at = std::string(m_name) + ", cut before operation " + std::to_string(cutAt) + " of " +
                               std::to_string(m_operations) + " (seed " + std::to_string(seed) + ")";
        QTemporaryDir working;
        const QString dataFolder = QDir(working.path()).filePath("Data");
        copyFolder(start.dataFolder(), dataFolder);
        const Run run = runWithPowerCut(working.path(), m_arguments, cutAt);
        EXPECT_TRUE(run.exitCode == 0 || run.exitCode == kPowerCutExitCode) << at << ": exit " << run.exitCode;
        const TableRows found = openedRows(dataFolder);
        EXPECT_TRUE(found == m_before || found == m_after) << at << ": the tables are in a third state";
        ++(found == m_after && m_after != m_before ? m_foundAfter : m_foundBefore);
        const QStringList backups = backupIds(dataFolder);
        for (const backup::Backup& backup : backup::listBackups(dataFolder)) backup::checkBackup(backup.fileName);
        if (run.exitCode != 0) {
            EXPECT_EQ(run.out, QString()) << at;
            return;
        }
        EXPECT_TRUE(run.out.startsWith(m_successStart)) << at << ": " << run.out.toStdString();
        EXPECT_TRUE(found == m_after) << at << ": a success line, and the tables as before";
        EXPECT_GT(backups.size(), m_backupsBefore.size()) << at << ": a success line, and no backup made";
    }

private:
    const char* m_name;
    QStringList m_arguments;
    const char* m_successStart;
    TableRows m_before;
    TableRows m_after;
    QStringList m_backupsBefore;
    long long m_operations = 0;
    int m_foundBefore = 0;
    int m_foundAfter = 0;
};

TEST(PowerCut, AfterACutAtAnyMomentTheFolderIsAsBeforeOrAsAfterAndSuccessMeansAfter) {
    const unsigned seed = std::random_device()();
    std::mt19937 random(seed);

    CutCommand memberImport("import-member", {"import-member", fixtureFile("member/island-rules", "member.mbr")},
                            "Imported ");
    CutCommand adifImport("import-adif", {"import-adif", fixtureFile("adif_rules", "input.adi")}, "AF-");
    writeRecordValues(adifImport.start, readRecordValues(fixtureFile("adif_rules", "start.txt")));
    CutCommand backUp("backup", {"backup"}, "Backed up as ");
    // The restore brings back the tables of a backup made before they changed.
    CutCommand restore("restore", {}, "Restored ");
    {
        store::Database db(restore.start.dataFolder());
        restore.setArguments({"restore", backup::beforeCommand(db, "import-member").name.id()});
    }
    restore.start.execute(
        "UPDATE \"IOTA-EU\" SET Status = 'A', Call = 'G3ABC'; UPDATE \"Owner\" SET Value = "
        "'K1ABC' WHERE Name = 'Callsign'");

    for (CutCommand* command : {&memberImport, &adifImport, &backUp, &restore}) {
        command->runWhole();
        if (HasFatalFailure()) return;
        std::uniform_int_distribution<long long> moment(1, command->operations());
        for (int cut = 0; cut < kCutsPerCommand; ++cut) command->cutAndCheck(moment(random), seed);
        // Right after the command printed its success line.
        command->cutAndCheck(command->operations() + 1, seed);
        std::cout << command->name() << ": " << command->operations() << " operations; " << command->foundBefore()
                  << " cuts left the tables as before, " << command->foundAfter() << " as after\n";
        if (command != &backUp) {
            EXPECT_GT(command->foundAfter(), 0) << command->name() << " never stayed done";
        }
    }
}

}  // namespace
