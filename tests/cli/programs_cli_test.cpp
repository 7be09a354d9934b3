// skerrydesk-cli starts on Qt Core and SQLite alone and hands drawing and fetching to
// skerrydesk-cli-draw: what each program loads at start, the partner found installed, and a
// clear failure where it is missing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "support/data_folder.h"

namespace {

const QString kDrawingProgram = QFileInfo(QStringLiteral(SKERRY_CLI)).dir().filePath("skerrydesk-cli-draw");

// The libraries a program names to the loader (NEEDED).
QStringList neededLibraries(const QString& program) {
    QProcess readelf;
    readelf.start(QStringLiteral("readelf"), {QStringLiteral("-d"), program});
    EXPECT_TRUE(readelf.waitForFinished()) << "readelf -d " << program.toStdString();
    QStringList needed;
    for (const QString& line : QString::fromUtf8(readelf.readAllStandardOutput()).split(u'\n'))
        if (line.contains(QLatin1String("(NEEDED)"))) needed << line.section(u'[', 1).section(u']', 0, 0);
    return needed;
}

bool namesLibrary(const QStringList& needed, const QString& prefix) {
    return std::any_of(needed.begin(), needed.end(), [&](const QString& name) { return name.startsWith(prefix); });
}

struct ProgramRun {
    int exitCode;
    QString out;
    QString err;
};

ProgramRun run(const QString& program, const QString& workingFolder, const QStringList& arguments) {
    QProcess process;
    process.setWorkingDirectory(workingFolder);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString();
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString copyProgram(const QString& program, const QString& folder) {
    EXPECT_TRUE(QDir().mkpath(folder));
    const QString copy = QDir(folder).filePath(QFileInfo(program).fileName());
    EXPECT_TRUE(QFile::copy(program, copy)) << copy.toStdString();
    return copy;
}

TEST(CliPrograms, TheTextProgramLoadsNeitherQtGuiNorNetworkAndNoProgramLoadsNetcdfAtStart) {
    const QStringList text = neededLibraries(SKERRY_CLI);
    EXPECT_TRUE(namesLibrary(text, "libQt6Core.so")) << text.join(' ').toStdString();
    EXPECT_TRUE(namesLibrary(text, "libsqlite3.so")) << text.join(' ').toStdString();
    for (const char* unwanted : {"libQt6Gui", "libQt6Network", "libnetcdf", "libjpeg"})
        EXPECT_FALSE(namesLibrary(text, unwanted)) << unwanted << " in " << text.join(' ').toStdString();

    const QStringList drawing = neededLibraries(kDrawingProgram);
    EXPECT_TRUE(namesLibrary(drawing, "libQt6Gui.so")) << drawing.join(' ').toStdString();
    EXPECT_FALSE(namesLibrary(drawing, "libnetcdf")) << "read when a map is drawn, not at every start";
}

TEST(CliPrograms, DrawingIsHandedToThePartnerBelowLibexecAndFailsInOneLineWithoutIt) {
    TestDataFolder folder;
    QTemporaryDir install;
    const QString cli = copyProgram(SKERRY_CLI, install.filePath("bin"));

    const ProgramRun alone = run(cli, folder.path(), {"island-list", "eu", "needed", "--pdf", "eu.pdf"});
    EXPECT_EQ(alone.exitCode, 1);
    EXPECT_TRUE(alone.err.startsWith("skerrydesk-cli: cannot start ")) << alone.err.toStdString();
    EXPECT_TRUE(alone.err.contains("skerrydesk-cli-draw") && alone.err.contains("reinstall Skerrydesk"))
        << alone.err.toStdString();
    EXPECT_EQ(alone.err.count(u'\n'), 1) << alone.err.toStdString();
    EXPECT_TRUE(alone.out.isEmpty()) << "nothing printed before the failure";
    EXPECT_FALSE(QFile::exists(folder.path() + "/eu.pdf"));
    const ProgramRun text = run(cli, folder.path(), {"island-list", "eu", "needed"});
    EXPECT_EQ(text.exitCode, 0) << "a text subcommand needs no partner: " << text.err.toStdString();

    copyProgram(kDrawingProgram, install.filePath("libexec/skerrydesk"));
    const ProgramRun installed = run(cli, folder.path(), {"island-list", "eu", "needed", "--pdf", "eu.pdf"});
    EXPECT_EQ(installed.exitCode, 0) << installed.err.toStdString();
    EXPECT_EQ(installed.out, text.out) << "the same lines, printed by the partner";
    QFile pdf(folder.path() + "/eu.pdf");
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

}  // namespace
