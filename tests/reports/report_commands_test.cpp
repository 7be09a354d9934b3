#include <gtest/gtest.h>

#include <sys/resource.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <csignal>

#include "support/cli_run.h"
#include "support/data_folder.h"
#include "support/files.h"
#include "support/qt_printers.h"

namespace {

class ReportCommands : public ::testing::Test {
protected:
    void SetUp() override {
        folder.setOwnerValue("Callsign", "DL1ABC");
        folder.execute("UPDATE \"IOTA-EU\" SET Status = 'A', ABW = 'B' WHERE IOTA = 'EU-005'");
        folder.execute(
            "UPDATE \"IOTA-EU\" SET Status = 'W', Call = 'EI/DL1ABC', Comment = 'from the log' "
            "WHERE IOTA = 'EU-007'");
        folder.execute("UPDATE \"IOTA-EU\" SET Status = 'C' WHERE IOTA = 'EU-115'");
    }

    CliRun cli(const QStringList& arguments) { return ::cli(folder.path(), arguments); }

    TestDataFolder folder;
};

TEST_F(ReportCommands, SummaryPrintsTheContinentsAndTheirSumTabSeparated) {
    const CliRun run = cli({"summary"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "area\ta\tc\tw\tac\tp\tacw\tpw\ttot\n"
              "af\t0\t0\t0\t0\t0\t0\t0\t2\n"
              "an\t0\t0\t0\t0\t0\t0\t0\t2\n"
              "as\t0\t0\t0\t0\t0\t0\t0\t2\n"
              "eu\t1\t1\t1\t2\t50\t3\t75\t4\n"
              "na\t0\t0\t0\t0\t0\t0\t0\t2\n"
              "oc\t0\t0\t0\t0\t0\t0\t0\t2\n"
              "sa\t0\t0\t0\t0\t0\t0\t0\t2\n"
              "tot\t1\t1\t1\t2\t12\t3\t19\t16\n");
}

TEST_F(ReportCommands, SummaryOfTheGroupsShowsADashWithoutQualifyingIslands) {
    const CliRun run = cli({"summary", "--groups"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out,
              "area\ta\tc\tw\tac\tp\tacw\tpw\ttot\n"
              "ai\t0\t0\t0\t0\t-\t0\t-\t0\n"
              "bi\t1\t0\t0\t1\t100\t1\t100\t1\n"
              "wi\t0\t0\t0\t0\t-\t0\t-\t0\n");
}

TEST_F(ReportCommands, WantListPrintsItsTextLineByLine) {
    const CliRun needed = cli({"want-list"});
    ASSERT_EQ(needed.exitCode, 0) << needed.err.toStdString();
    const QStringList lines = needed.out.split('\n');
    EXPECT_EQ(lines.mid(0, 3), (QStringList{"Africa:", "  AF-001   AF-003 ", ""}));
    EXPECT_EQ(lines[lines.indexOf("Europe:") + 1], "  EU-001 ");
    const CliRun worked = cli({"want-list", "--worked"});
    const QStringList workedLines = worked.out.split('\n');
    EXPECT_EQ(workedLines[workedLines.indexOf("Europe:") + 1], "  EU-001  (EU-007)");
    EXPECT_EQ(workedLines.size(), 7 * 3 + 1) << "seven sections of three lines, then the last line end";
}

TEST_F(ReportCommands, IslandListPrintsTheDetailLines) {
    const CliRun run = cli({"island-list", "eu", "approved-claimed-worked"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out,
              "EU-005\tG\tGreat Britain\t\t\tA\n"
              "EU-007\tEI\tAran Islands\tEI/DL1ABC\tfrom the log\tW\n"
              "EU-115\tEI\tIreland's Coastal\t\t\tC\n");
    EXPECT_EQ(cli({"island-list", "bi", "approved"}).out, "EU-005\tG\tGreat Britain\t\t\tA\n");
    EXPECT_EQ(cli({"island-list", "ai-as", "needed"}).out, "");
}

TEST_F(ReportCommands, PdfOptionWritesThePrintedPages) {
    const QString files[] = {folder.path() + "/summary.pdf", folder.path() + "/list.pdf", folder.path() + "/want.pdf"};
    const QStringList commands[] = {{"print-summary", "--pdf", files[0]},
                                    {"island-list", "eu", "needed", "--pdf", files[1]},
                                    {"want-list", "--worked", "--pdf", files[2]}};
    for (int i = 0; i < 3; ++i) {
        const CliRun run = cli(commands[i]);
        EXPECT_EQ(run.exitCode, 0) << commands[i].join(' ').toStdString() << ": " << run.err.toStdString();
        EXPECT_EQ(run.err, "") << commands[i].join(' ').toStdString();
        QFile pdf(files[i]);
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << files[i].toStdString();
        EXPECT_TRUE(pdf.readAll().startsWith("%PDF-")) << files[i].toStdString();
    }
    const CliRun summary = cli({"print-summary"});
    EXPECT_TRUE(summary.out.endsWith("bi\t1\t0\t0\t1\t100\t1\t100\t1\nwi\t0\t0\t0\t0\t-\t0\t-\t0\n"))
        << summary.out.toStdString();
}

TEST_F(ReportCommands, WrongArgumentsAreUsageErrors) {
    EXPECT_EQ(cli({"summary", "--continents"}).exitCode, 2);
    EXPECT_EQ(cli({"island-list", "eu"}).exitCode, 2);
    const CliRun unknown = cli({"island-list", "eu", "lost"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains("needed-worked")) << unknown.err.toStdString();
    EXPECT_EQ(cli({"want-list", "--pdf"}).exitCode, 2);
}

TEST_F(ReportCommands, AFileThatCannotBeWrittenFailsWithOneLine) {
    const CliRun run = cli({"want-list", "--pdf", folder.path() + "/no/such/folder/want.pdf"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith("skerrydesk-cli: Cannot write the PDF file")) << run.err.toStdString();
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
}

// A disk that fills up after a few kilobytes: the CLI may write no file beyond that size.
CliRun cliOnAFullDisk(const QString& workingFolder, const QStringList& arguments) {
    QProcess process;
    process.setWorkingDirectory(workingFolder);
    process.setChildProcessModifier([] {
        std::signal(SIGXFSZ, SIG_IGN);  // writes beyond the limit then fail instead of ending the process
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    process.start(SKERRY_CLI, arguments);
    process.waitForFinished(120000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST_F(ReportCommands, APdfThatCannotBeWrittenWholeLeavesTheOlderOne) {
    const QString file = folder.path() + "/summary.pdf";
    const QByteArray older = "%PDF- the older summary";
    writeFile(file, older);
    const CliRun run = cliOnAFullDisk(folder.path(), {"print-summary", "--pdf", file});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith("skerrydesk-cli: Cannot write the PDF file \"" + file + "\": "))
        << run.err.toStdString();
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.readAll(), older);
    pdf.close();
    EXPECT_EQ(QDir(folder.path()).entryList({"summary.pdf*"}, QDir::Files), QStringList{"summary.pdf"})
        << "no temporary file is left behind";
}

}  // namespace
