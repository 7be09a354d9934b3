#include <gtest/gtest.h>

#include <netcdf.h>

#include <QDir>
#include <QFile>
#include <QPolygonF>
#include <QTemporaryDir>

#include "base/failure.h"
#include "map/coastline_atlas.h"
#include "map/coastline_file.h"
#include "support/files.h"

namespace {

using maps::CoastlineLayer;

const QString kDebianFolder = QStringLiteral("/usr/share/gmt-gshhg");

#define SKIP_WITHOUT_GSHHG()                                                  \
    if (!QFile::exists(kDebianFolder + QStringLiteral("/binned_GSHHS_c.nc"))) \
    GTEST_SKIP() << "gmt-gshhg-low is not installed"

// The level painted last at a place: 0 sea, 1 land, 2 lake.
int levelAt(const CoastlineLayer& layer, QPointF place) {
    int level = 0;
    for (int pass = 1; pass <= 4; ++pass)
        for (const maps::PointRuns::Run& run : layer.areas.runs) {
            if (run.level != pass) continue;
            QPolygonF area;
            for (int index = run.first; index < run.first + run.count; ++index)
                area << QPointF(layer.areas.points[size_t(index)].longitude,
                                layer.areas.points[size_t(index)].latitude);
            if (area.containsPoint(place, Qt::OddEvenFill)) level = pass;
        }
    return level;
}

QString failureOf(const std::function<void()>& read) {
    try {
        read();
    } catch (const Failure& failure) {
        return failure.message();
    }
    return QString();
}

TEST(CoastlineFile, EachResolutionFillsLandSeaAndLakesWhereTheyLie) {
    SKIP_WITHOUT_GSHHG();
    const struct {
        QPointF place;  // longitude, latitude
        int level;
        const char* what;
    } places[] = {
        {{-30, 30}, 0, "the Atlantic"},
        {{20, 5}, 1, "Central Africa"},
        {{-100, 45}, 1, "the Great Plains"},
        {{0, -85}, 1, "Antarctica"},
        {{-40, 75}, 1, "Greenland"},
        {{50.5, 42}, 2, "the Caspian Sea"},
        {{179.5, 67}, 1, "Chukotka at 180°"},
        {{-179.5, 67}, 1, "Chukotka east of 180°"},
        {{-2, 53}, 1, "England"},
        {{-5.2, 53.8}, 0, "the Irish Sea"},
        {{133, -25}, 1, "Australia"},
    };
    for (const char letter : {'c', 'l', 'i'}) {
        CoastlineLayer layer;
        maps::readShorelines(kDebianFolder + QStringLiteral("/binned_GSHHS_%1.nc").arg(QLatin1Char(letter)), layer);
        maps::readBorders(kDebianFolder + QStringLiteral("/binned_border_%1.nc").arg(QLatin1Char(letter)), layer);
        EXPECT_FALSE(layer.shores.runs.empty()) << letter;
        EXPECT_FALSE(layer.borders.runs.empty()) << letter;
        for (const maps::Degrees& point : layer.areas.points) {
            ASSERT_LE(std::abs(point.longitude), 180) << letter;
            ASSERT_LE(std::abs(point.latitude), 90) << letter;
        }
        for (const auto& place : places)
            EXPECT_EQ(levelAt(layer, place.place), place.level) << letter << ": " << place.what;
    }
}

// A binned file as libnetcdf writes it: two bins of 180° and one closed piece of two points whose
// first point is given.
void writeSmallShorelineFile(const QString& fileName, int firstPoint) {
    int file = -1;
    ASSERT_EQ(nc_create(QFile::encodeName(fileName).constData(), NC_CLOBBER, &file), NC_NOERR);
    int scalar = -1, bins = -1, segments = -1, points = -1;
    nc_def_dim(file, "Dimension_of_scalar", 1, &scalar);
    nc_def_dim(file, "Dimension_of_bin_arrays", 2, &bins);
    nc_def_dim(file, "Dimension_of_segment_arrays", 1, &segments);
    nc_def_dim(file, "Dimension_of_point_arrays", 2, &points);
    const struct {
        const char* name;
        nc_type type;
        int dimension;
        std::vector<int> values;
    } variables[] = {
        {"Bin_size_in_minutes", NC_INT, scalar, {10800}},
        {"N_bins_in_360_longitude_range", NC_INT, scalar, {2}},
        {"N_bins_in_180_degree_latitude_range", NC_INT, scalar, {1}},
        {"N_bins_in_file", NC_INT, scalar, {2}},
        {"N_segments_in_file", NC_INT, scalar, {1}},
        {"N_points_in_file", NC_INT, scalar, {2}},
        {"Id_of_first_segment_in_a_bin", NC_INT, bins, {0, 1}},
        {"N_segments_in_a_bin", NC_SHORT, bins, {1, 0}},
        {"Embedded_node_levels_in_a_bin", NC_SHORT, bins, {0, 0}},
        {"Embedded_npts_levels_exit_entry_for_a_segment", NC_INT, segments, {(2 << 9) | (1 << 6) | (4 << 3) | 4}},
        {"Id_of_first_point_in_a_segment", NC_INT, segments, {firstPoint}},
        {"Relative_longitude_from_SW_corner_of_bin", NC_SHORT, points, {100, 200}},
        {"Relative_latitude_from_SW_corner_of_bin", NC_SHORT, points, {100, 200}},
    };
    std::vector<int> ids;
    for (const auto& variable : variables) {
        int id = -1;
        nc_def_var(file, variable.name, variable.type, 1, &variable.dimension, &id);
        ids.push_back(id);
    }
    nc_enddef(file);
    for (size_t i = 0; i < ids.size(); ++i) nc_put_var_int(file, ids[i], variables[i].values.data());
    ASSERT_EQ(nc_close(file), NC_NOERR);
}

TEST(CoastlineFile, AMissingDamagedOrInconsistentFileFailsNamingItAndWhy) {
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("binned_GSHHS_c.nc"));
    CoastlineLayer layer;
    const auto read = [&] { maps::readShorelines(fileName, layer); };
    EXPECT_EQ(failureOf(read), fileName + " is missing");

    writeFile(fileName, QByteArray(4096, '\x7f'));
    EXPECT_EQ(failureOf(read), fileName + " cannot be read: NetCDF: Unknown file format");

    writeSmallShorelineFile(fileName, 0);
    EXPECT_EQ(failureOf(read), "");
    ASSERT_EQ(layer.areas.runs.size(), 1u);
    EXPECT_TRUE(layer.areas.runs[0].allShore) << "an island wholly inside its bin: an area drawn with its outline";
    writeSmallShorelineFile(fileName, 1);
    EXPECT_EQ(failureOf(read), fileName + " cannot be read: points 1 to 3 lie outside its 2");
}

TEST(CoastlineFile, TheAtlasSaysWhatItCouldNotDrawAndKeepsWhatItRead) {
    QTemporaryDir empty;
    maps::CoastlineAtlas missing(empty.path());
    const maps::AtlasLayer& nothing = missing.layerFor(2);
    EXPECT_EQ(nothing.layer.pointCount(), 0u);
    EXPECT_EQ(nothing.problems, (QStringList{"Coastlines not drawn: " + empty.filePath("binned_GSHHS_c.nc") +
                                                 " is missing; install or reinstall the package gmt-gshhg-low",
                                             "National borders not drawn: " + empty.filePath("binned_border_c.nc") +
                                                 " is missing; install or reinstall the package gmt-gshhg-low"}));
    EXPECT_EQ(&missing.layerFor(1), &nothing) << "read once per resolution";
    EXPECT_NE(&missing.layerFor(100), &nothing) << "another resolution";
    const struct {
        double scale;
        int resolution;
    } scales[] = {{0.5, 0}, {3.9, 0}, {4, 1}, {15.9, 1}, {16, 2}, {256, 2}};
    for (const auto& s : scales) EXPECT_EQ(maps::resolutionFor(s.scale), s.resolution) << s.scale;
}

}  // namespace
