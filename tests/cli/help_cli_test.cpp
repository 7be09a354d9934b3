#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "base/version.h"
#include "support/cli_run.h"
#include "support/files.h"

namespace {

// --version and each subcommand's --help answer at once, from the subcommand table, on standard output.
TEST(CliHelp, VersionAndSubcommandHelp) {
    QTemporaryDir dir;
    const struct {
        QStringList arguments;
        int exitCode;
        QString firstLine;
    } cases[] = {
        {{"--version"}, 0, QStringLiteral("skerrydesk-cli ") + QLatin1String(kProgramVersion)},
        {{"import-member", "--help"}, 0, QStringLiteral("usage: skerrydesk-cli import-member FILE [--no-backup]")},
        {{"island-list", "-h"}, 0, QStringLiteral("usage: skerrydesk-cli island-list AREA SELECTION [--pdf FILE]")},
        {{"import-member", "--help", "extra"}, 2, QString()},
    };
    for (const auto& run : cases) {
        const CliRun result = cli(dir.path(), run.arguments);
        EXPECT_EQ(result.exitCode, run.exitCode) << run.arguments.join(' ').toStdString();
        EXPECT_EQ(result.out.section(u'\n', 0, 0), run.firstLine) << run.arguments.join(' ').toStdString();
    }
    EXPECT_TRUE(QDir(dir.path()).isEmpty()) << "help changes nothing";
}

// The rows of the subcommands in --help, without their indent.
QStringList helpRows(const QString& workingFolder) {
    const QString help = cli(workingFolder, {"--help"}).out;
    QStringList rows =
        help.section(QStringLiteral("Subcommands:\n"), 1).section(QStringLiteral("\n\n"), 0, 0).split(u'\n');
    for (QString& row : rows) row = row.trimmed();
    return rows;
}

// The synopses of the subcommands in the built man page, each the bold line of its entry.
QStringList manPageSynopses() {
    const QString page = QString::fromUtf8(fileBytes(QStringLiteral(SKERRY_CLI_MAN_PAGE)));
    const QString subcommands =
        page.section(QStringLiteral(".SH SUBCOMMANDS\n"), 1).section(QStringLiteral("\n.SH "), 0, 0);
    static const QRegularExpression entry(QStringLiteral("^\\.TP\n\\.B (.*)$"), QRegularExpression::MultilineOption);
    QStringList synopses;
    for (const QRegularExpressionMatch& match : entry.globalMatch(subcommands))
        synopses << match.captured(1).replace(QLatin1String("\\-"), QLatin1String("-"));
    return synopses;
}

// Each subcommand shows one usage: the line its --help starts with, its row in --help, its entry
// in the man page and the line a wrong command line gets, so none of them can tell another story.
TEST(CliHelp, EachSubcommandShowsTheSameUsageEverywhere) {
    QTemporaryDir dir;
    const QStringList rows = helpRows(dir.path());
    ASSERT_GE(rows.size(), 18) << "every subcommand has its row:\n" << rows.join(u'\n').toStdString();
    QStringList usages;
    for (const QString& row : rows) {
        const QString name = row.section(u' ', 0, 0);
        const QString usageLine = cli(dir.path(), {name, "--help"}).out.section(u'\n', 0, 0);
        const QString usage = usageLine.section(QStringLiteral("usage: skerrydesk-cli "), 1);
        ASSERT_TRUE(usage.startsWith(name)) << usageLine.toStdString();
        usages << usage;
        EXPECT_TRUE(row.startsWith(usage + u' ')) << row.toStdString() << "\ndoes not start with\n"
                                                  << usage.toStdString();
        const QStringList wrong[] = {{name, "--no-such-option"}, {name, "one", "two", "three"}};
        for (const QStringList& arguments : wrong) {
            const CliRun run = cli(dir.path(), arguments);
            EXPECT_EQ(run.exitCode, 2) << arguments.join(u' ').toStdString();
            EXPECT_EQ(run.err, usageLine + u'\n') << arguments.join(u' ').toStdString();
            EXPECT_EQ(run.out, QString()) << arguments.join(u' ').toStdString();
        }
    }
    EXPECT_EQ(manPageSynopses(), usages) << "the man page lists the subcommands as --help does";
    EXPECT_TRUE(QDir(dir.path()).isEmpty()) << "a usage error changes nothing";
}

// Options stand anywhere after the subcommand; a value follows its option, a flag may be
// repeated, alternatives exclude each other. A wrong option gets the usage and why.
TEST(CliHelp, WrongOptionsAreUsageErrorsSayingWhy) {
    QTemporaryDir dir;
    const struct {
        QStringList arguments;
        const char* why;
    } cases[] = {
        {{"print-summary", "--pdf"}, "--pdf needs a value"},
        {{"island-list", "eu", "needed", "--pdf", "a.pdf", "--pdf", "b.pdf"}, nullptr},
        {{"want-list", "--by-rarity", "--worked", "--by-rarity"}, nullptr},
        {{"import-upf", "log.upf", "--no-backup"}, nullptr},
        {{"update-url", "http://127.0.0.1:9/", "--timeout", "0"}, "SECONDS is a whole number from 1 on"},
        {{"spots", "--count", "dxc.example.org:7300"}, "N is a whole number from 1 on"},
        {{"export", "--to"}, nullptr},
    };
    for (const auto& wrong : cases) {
        const CliRun run = cli(dir.path(), wrong.arguments);
        const QString usageLine = cli(dir.path(), {wrong.arguments[0], "--help"}).out.section(u'\n', 0, 0);
        EXPECT_EQ(run.exitCode, 2) << wrong.arguments.join(u' ').toStdString();
        EXPECT_EQ(run.err, usageLine + u'\n' + (wrong.why ? QString::fromLatin1(wrong.why) + u'\n' : QString()))
            << wrong.arguments.join(u' ').toStdString();
    }
    EXPECT_TRUE(QDir(dir.path()).isEmpty()) << "a usage error changes nothing";
}

}  // namespace
