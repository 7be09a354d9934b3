#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <iostream>
#include <random>

#include "register/store/database.h"
#include "support/cli_run.h"
#include "support/files.h"

namespace {

// The group lines of the list below: numbers 001 on of a continent get the group code.
const struct {
    const char* keyword;
    const char* continent;
    const char* code;
    int references;
} kGroups[] = {{"BI", "EU", "B", 60}, {"WI", "NA", "W", 40}, {"AI", "AS", "A", 30}};

// An update text of 150 islands per continent and the group lines of kGroups.
QString writeListFile(const QString& folder) {
    QStringList lines{"IOTA list for the tests"};
    for (const char* continent : {"AF", "AN", "AS", "EU", "NA", "OC", "SA"})
        for (int number = 1; number <= 150; ++number)
            lines << QString("ISLAND   %1-%2 P%2        Island %2").arg(continent).arg(number, 3, 10, QChar('0'));
    for (const auto& group : kGroups)
        for (int number = 1; number <= group.references; ++number)
            lines << QString("%1       %2-%3").arg(group.keyword, group.continent).arg(number, 3, 10, QChar('0'));
    return writeFile(QDir(folder).filePath("list.txt"), lines.join("\r\n").toUtf8());
}

QString dataFile(const QString& workingFolder) {
    return QDir(workingFolder).filePath("Data/skerrydesk.db");
}

// The database stands alone (no log beside it), passes its integrity check and holds the groups.
void expectWholeDatabase(const QString& workingFolder) {
    EXPECT_FALSE(QFile::exists(dataFile(workingFolder) + "-wal")) << "the database file holds everything itself";
    store::Database db(QDir(workingFolder).filePath("Data"));
    store::Statement& integrity = db.prepare("PRAGMA integrity_check");
    ASSERT_TRUE(integrity.step());
    EXPECT_EQ(integrity.columnText(0), "ok");
    for (const auto& group : kGroups) {
        store::Statement& count =
            db.prepare(QString("SELECT count(*) FROM \"IOTA-%1\" WHERE ABW = ?1").arg(group.continent));
        count.bind(1, QString(group.code));
        ASSERT_TRUE(count.step());
        EXPECT_EQ(count.columnInteger(0), group.references) << group.continent;
    }
}

QStringList dataFolderEntries(const QString& workingFolder) {
    return QDir(QDir(workingFolder).filePath("Data")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

void removeDatabase(const QString& workingFolder) {
    QFile::remove(dataFile(workingFolder));
}

TEST(InitCli, KilledAtAnyMomentLeavesAWholeDatabaseOrNoneAndCanBeRunAgain) {
    QTemporaryDir dir;
    const QStringList arguments{"init", "--list", writeListFile(dir.path())};
    QElapsedTimer timer;
    timer.start();
    ASSERT_EQ(cli(dir.path(), arguments).exitCode, 0);
    const int fullRunMs = int(timer.elapsed());
    expectWholeDatabase(dir.path());
    removeDatabase(dir.path());

    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> delayMs(2, fullRunMs);
    int killedLeavingNone = 0;
    int killedLeavingWhole = 0;
    for (int round = 0; round < 60; ++round) {
        QProcess init;
        init.setWorkingDirectory(dir.path());
        init.start(SKERRY_CLI, arguments);
        ASSERT_TRUE(init.waitForStarted());
        const bool killed = !init.waitForFinished(delayMs(random));
        if (killed) {
            init.kill();
            init.waitForFinished();
        }
        if (QFile::exists(dataFile(dir.path()))) {
            killedLeavingWhole += killed;
            expectWholeDatabase(dir.path());
        } else {
            ++killedLeavingNone;
            const CliRun again = cli(dir.path(), arguments);
            ASSERT_EQ(again.exitCode, 0) << "round " << round << ": " << again.err.toStdString();
            expectWholeDatabase(dir.path());
            EXPECT_EQ(dataFolderEntries(dir.path()), QStringList{"skerrydesk.db"})
                << "round " << round << ": build folders of killed runs are removed";
        }
        removeDatabase(dir.path());
        if (HasFatalFailure()) return;
    }
    EXPECT_GT(killedLeavingNone, 0);
    std::cout << "full run " << fullRunMs << " ms; kills leaving none " << killedLeavingNone << ", leaving a whole one "
              << killedLeavingWhole << "\n";
}

// Runs init with a limit on the size of any file it writes, as a disk that fills up does.
CliRun initOnASmallDisk(const QString& workingFolder, const QStringList& arguments, rlim_t bytes) {
    QProcess init;
    init.setWorkingDirectory(workingFolder);
    init.setChildProcessModifier([bytes] {
        const rlimit limit{bytes, bytes};
        setrlimit(RLIMIT_FSIZE, &limit);
        signal(SIGXFSZ, SIG_IGN);  // writes beyond the limit fail instead of ending the process
    });
    init.start(SKERRY_CLI, arguments);
    init.waitForFinished();
    return {init.exitCode(), QString::fromUtf8(init.readAllStandardOutput()),
            QString::fromUtf8(init.readAllStandardError())};
}

// A creation killed between placing its database and removing its build folder leaves the folder
// behind; the next command on the data folder removes it, and keeps that of a creation at work.
TEST(InitCli, TheNextCommandRemovesTheBuildFolderOfAKilledInit) {
    QTemporaryDir dir;
    ASSERT_EQ(cli(dir.path(), {"init", "--list", writeListFile(dir.path())}).exitCode, 0);
    const QString dataFolder = QDir(dir.path()).filePath("Data");
    // Far beyond the highest process number the system hands out: no process runs under it.
    ASSERT_TRUE(QDir(dataFolder).mkdir(".init-99999999"));
    const QString atWork = ".init-" + QString::number(QCoreApplication::applicationPid());
    ASSERT_TRUE(QDir(dataFolder).mkdir(atWork));
    const CliRun summary = cli(dir.path(), {"summary"});
    ASSERT_EQ(summary.exitCode, 0) << summary.err.toStdString();
    EXPECT_EQ(dataFolderEntries(dir.path()), (QStringList{atWork, "skerrydesk.db"}));
}

TEST(InitCli, AFullDiskLeavesNoDatabaseAndSaysSo) {
    QTemporaryDir dir;
    const QStringList arguments{"init", "--list", writeListFile(dir.path())};
    int failures = 0;
    for (rlim_t kilobytes = 4; kilobytes <= 260; kilobytes += 32) {
        const CliRun run = initOnASmallDisk(dir.path(), arguments, kilobytes * 1024);
        const std::string limit = std::to_string(kilobytes) + " KB";
        if (run.exitCode == 0) {
            expectWholeDatabase(dir.path());
            removeDatabase(dir.path());
            continue;
        }
        ++failures;
        EXPECT_EQ(run.exitCode, 1) << limit;
        EXPECT_TRUE(
            run.err.startsWith("skerrydesk-cli: Cannot create " + QDir::toNativeSeparators(dataFile(dir.path()))))
            << limit << ": " << run.err.toStdString();
        EXPECT_FALSE(run.err.contains(".init")) << limit << ": the build folder is no business of the user";
        EXPECT_TRUE(run.out.isEmpty()) << limit << ": " << run.out.toStdString();
        EXPECT_TRUE(dataFolderEntries(dir.path()).isEmpty()) << limit;
    }
    EXPECT_GE(failures, 4);
}

}  // namespace
