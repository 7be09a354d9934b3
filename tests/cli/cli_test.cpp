#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "register/codes.h"
#include "register/delivered_data.h"
#include "register/iota_list.h"
#include "register/store/database.h"
#include "support/cli_run.h"

namespace {

TEST(Cli, InitBuildsTheDeliveredFolderFromTheDebianListOnce) {
    if (!QFile::exists(kDebianIotaList)) GTEST_SKIP() << "cqrlog-data is not installed";
    QTemporaryDir dir;
    const CliRun first = cli(dir.path(), {"init"});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();

    const std::vector<ListedIsland> listed = readIotaTable(kDebianIotaList);
    EXPECT_TRUE(first.out.contains(QString::number(listed.size()))) << first.out.toStdString();
    store::Database db(dir.filePath("Data"));
    for (const Continent& continent : continents()) {
        int highest = 0;
        int listedHere = 0;
        for (const ListedIsland& island : listed) {
            if (!island.reference.startsWith(continent.code)) continue;
            highest = std::max(highest, island.reference.mid(3).toInt());
            ++listedHere;
        }
        store::Statement& count =
            db.prepare(QString("SELECT count(*), sum(Status = '-'), max(IOTA) FROM \"%1\"").arg(continent.tableName));
        ASSERT_TRUE(count.step());
        EXPECT_EQ(count.columnInteger(0), highest + kUnallocatedPadding) << continent.tableName.toStdString();
        EXPECT_EQ(count.columnInteger(1), listedHere) << continent.tableName.toStdString();
        EXPECT_EQ(count.columnText(2),
                  QString("%1-%2").arg(continent.code).arg(highest + kUnallocatedPadding, 3, 10, QChar('0')));
    }
    db.close();

    const CliRun again = cli(dir.path(), {"init"});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.startsWith("skerrydesk-cli: ")) << again.err.toStdString();
    EXPECT_TRUE(again.err.contains("already exists")) << again.err.toStdString();
}

TEST(Cli, UsageErrorsExitWithTwo) {
    QTemporaryDir dir;
    EXPECT_EQ(cli(dir.path(), {}).exitCode, 2);
    EXPECT_EQ(cli(dir.path(), {"frobnicate"}).exitCode, 2);
    EXPECT_EQ(cli(dir.path(), {"init", "extra"}).exitCode, 2);
    const CliRun help = cli(dir.path(), {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("init"));
    EXPECT_FALSE(QFile::exists(dir.filePath("Data"))) << "usage errors change nothing";
}

}  // namespace
