#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "map/map_style.h"
#include "map_folder.h"
#include "support/cli_run.h"

namespace {

using maps::GroupStatus;

// At --size 1440x720 the whole globe has 4 pixels a degree: the middle of EU-005's box (-2.21°,
// 54.25°) is at (711.16, 143), OC-001's (133.42°, -24.92°) at (1253.68, 459.68).
const QPoint kGreatBritain(711, 143);
const QPoint kAustralia(1253, 459);

class MapCommand : public ::testing::Test {
protected:
    CliRun cli(const QStringList& arguments) { return ::cli(folder.path(), arguments); }
    QString picture(const QString& name) const { return QDir(folder.path()).filePath(name); }

    MapTestFolder folder;
};

TEST_F(MapCommand, WritesAPngWithEachGroupInTheColourOfItsStatusAndPrintsTheLegend) {
    const CliRun run = cli({"map", "islands.png", "--size", "1440x720"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage image(picture("islands.png"));
    ASSERT_EQ(image.size(), QSize(1440, 720));
    const maps::MapStyle& style = maps::lightMapStyle();
    EXPECT_EQ(image.pixelColor(kGreatBritain), style.colourOf(GroupStatus::Approved));
    EXPECT_EQ(image.pixelColor(kAustralia), style.colourOf(GroupStatus::Worked));
    EXPECT_EQ(run.out,
              "needed\t9\n"
              "worked\t2\n"
              "claimed\t2\n"
              "approved\t2\n"
              "deleted\t1\n"
              "not placed\t0\n");
}

TEST_F(MapCommand, StatusGroupAndAreaNarrowThePicture) {
    folder.execute("UPDATE \"Groups\" SET West = NULL, East = NULL, South = NULL, North = NULL WHERE IOTA = 'EU-007'");
    const CliRun run = cli({"map", "bi.png", "--status", "approved,worked", "--group", "b", "--area", "-11,49,2,61"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out,
              "needed\t0\n"
              "worked\t0\n"
              "claimed\t0\n"
              "approved\t1\n"
              "deleted\t0\n"
              "not placed\t1\n"
              "EU-007\tno box\n");
    EXPECT_EQ(QImage(picture("bi.png")).size(), QSize(1600, 800));
}

TEST_F(MapCommand, WritesAPdfPageOfThePicturesSize) {
    const CliRun run = cli({"map", "islands.PDF", "--size", "800x400"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile pdf(picture("islands.PDF"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    EXPECT_TRUE(content.startsWith("%PDF-"));
    EXPECT_TRUE(content.contains("/MediaBox [0 0 800.000000 400.000000]")) << "a page of 800 by 400 points";
}

TEST_F(MapCommand, WithoutCoastlinesTheMapIsStillWrittenAndSaysWhy) {
    QTemporaryDir empty;
    qputenv("SKERRYDESK_GSHHG_DIR", QFile::encodeName(empty.path()));
    const CliRun run = cli({"map", "plain.png", "--size", "1440x720"});
    qunsetenv("SKERRYDESK_GSHHG_DIR");
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    // At 4 pixels a degree the map takes the low resolution.
    EXPECT_EQ(run.err, "Coastlines not drawn: " + empty.filePath("binned_GSHHS_l.nc") +
                           " is missing; install or reinstall the package gmt-gshhg-low\n"
                           "National borders not drawn: " +
                           empty.filePath("binned_border_l.nc") +
                           " is missing; install or reinstall the package gmt-gshhg-low\n");
    EXPECT_EQ(QImage(picture("plain.png")).pixelColor(kGreatBritain),
              maps::lightMapStyle().colourOf(GroupStatus::Approved));
}

TEST_F(MapCommand, AWrongCommandLineIsAUsageErrorAndWritesNothing) {
    const QStringList wrong[] = {
        {"map"},
        {"map", "islands.jpg"},
        {"map", "islands.png", "--size", "1440"},
        {"map", "islands.png", "--size", "20000x100"},
        {"map", "islands.png", "--size", "9000x9000"},
        {"map", "islands.png", "--status", "needy"},
        {"map", "islands.png", "--group", "X"},
        {"map", "islands.png", "--area", "-11,49,2"},
        {"map", "islands.png", "--area", "-11,49,200,61"},
        {"map", "islands.png", "--area", "5,49,5,61"},
        {"map", "islands.png", "--area"},
        {"map", "islands.png", "more.png"},
    };
    for (const QStringList& arguments : wrong) {
        const CliRun run = cli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("usage: skerrydesk-cli map FILE.png|FILE.pdf")) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(picture("islands.png")));
}

TEST_F(MapCommand, APictureThatCannotBeWrittenFailsNamingItAndKeepsTheOlderOne) {
    const CliRun missingFolder = cli({"map", "no/such/folder/islands.png"});
    EXPECT_EQ(missingFolder.exitCode, 1);
    EXPECT_TRUE(
        missingFolder.err.startsWith("skerrydesk-cli: Cannot write the picture \"no/such/folder/islands.png\": "))
        << missingFolder.err.toStdString();
    EXPECT_EQ(missingFolder.out, "");

    QTemporaryDir elsewhere;
    const CliRun noData = ::cli(elsewhere.path(), {"map", "islands.png"});
    EXPECT_EQ(noData.exitCode, 1);
    EXPECT_FALSE(QFile::exists(QDir(elsewhere.path()).filePath("islands.png")));
}

}  // namespace
