#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "base/version.h"
#include "support/cli_run.h"

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

}  // namespace
