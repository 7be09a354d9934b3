#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

#include "support/cli_run.h"
#include "support/data_folder.h"
#include "support/files.h"

namespace {

TEST(ExchangeCli, ImportsAMemberFileAndExportsWithTheOwnerValuesReadAtStart) {
    TestDataFolder folder;
    folder.setOwnerValue("Callsign", "g3abc");
    folder.setOwnerValue("Directory No", "01234");
    writeFile(
        folder.path() + "/g3abc.mbr",
        "CALLSIGN G9NEW\r\nDIRNUM   99999\r\nNAME     John Smith\r\n"
        "ISLAND   EU-005 G3ABC          G         Great Britain\r\nBI       EU-005\r\n"
        "ISLAND   EU-999 G3ABC          G         no such record\r\nAWARD    IOTA 100      12     01-02-03 T\r\n");

    const CliRun imported = cli(folder.path(), {"import-member", "g3abc.mbr"});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_EQ(imported.out,
              "Imported g3abc.mbr: 33 owner rows, 1 award lines, 1 island lines, 1 group lines; 1 lines passed over\n");
    EXPECT_EQ(folder.ownerValue("Callsign"), "G9NEW");

    // A second run reads the new callsign at start, as the program does when started again.
    const CliRun exported = cli(folder.path(), {"export", "out.upd"});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    EXPECT_TRUE(exported.out.startsWith("Exported out.upd: ")) << exported.out.toStdString();
    QFile file(folder.path() + "/out.upd");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("KAYROLL  2.07\r\nCALLSIGN G9NEW\r\nDIRNUM   99999\r\n")) << bytes.left(60).data();
    // The call column of the member file is 15 characters, of the update file 14; the comment is one blank.
    EXPECT_TRUE(bytes.contains("\r\nISLAND   EU-005 G3ABC" + QByteArray(9 + 1 + 1, ' ') + "\r\n"));
    EXPECT_TRUE(bytes.contains("\r\nAWARD    IOTA 100      12    01-02-03\r\n"));
    EXPECT_EQ(folder.ownerValue("Last exported").size(), 8);
}

TEST(ExchangeCli, FailuresExitWithOneAndAMessage) {
    TestDataFolder folder;
    const CliRun missing = cli(folder.path(), {"import-member", "absent.mbr"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.startsWith("skerrydesk-cli: Cannot read ")) << missing.err.toStdString();
    EXPECT_TRUE(missing.err.contains("absent.mbr"));

    const CliRun unwritable = cli(folder.path(), {"export", "no such folder/out.upd"});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.err.startsWith("skerrydesk-cli: Cannot create ")) << unwritable.err.toStdString();
    EXPECT_EQ(folder.ownerValue("Last exported"), "");

    const CliRun noData = cli(folder.path() + "/Data", {"export", "out.upd"});
    EXPECT_EQ(noData.exitCode, 1) << "no Data folder below the working folder";
}

TEST(ExchangeCli, UsageErrorsExitWithTwo) {
    TestDataFolder folder;
    EXPECT_EQ(cli(folder.path(), {"import-member"}).exitCode, 2);
    EXPECT_EQ(cli(folder.path(), {"import-member", "a.mbr", "b.mbr"}).exitCode, 2);
    EXPECT_EQ(cli(folder.path(), {"export"}).exitCode, 2);
    const CliRun help = cli(folder.path(), {"--help"});
    EXPECT_TRUE(help.out.contains("import-member FILE"));
    EXPECT_TRUE(help.out.contains("export FILE"));
}

}  // namespace
