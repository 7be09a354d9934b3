#include "map/coastline_file.h"

#include <algorithm>
#include <cmath>

#include "map/bin_polygons.h"
#include "map/netcdf_file.h"

namespace maps {

namespace {

// More points or pieces than any GSHHG resolution holds (the full one has some ten million
// points) mark a damaged file before it is read into memory.
constexpr int kMostPoints = 20'000'000;
constexpr int kMostSegments = 2'000'000;
// Antarctica's grounding line; the ice front is drawn instead.
constexpr int kGroundingLineLevel = 6;
constexpr int kNationalBorderLevel = 1;

// The grid of bins a file cuts the globe into, and its counts.
struct BinGrid {
    int binMinutes = 0;
    int columns = 0;
    int bins = 0;
    int segments = 0;
    int points = 0;

    double binDegrees() const { return binMinutes / 60.0; }
    // A point of a bin in degrees, from the bin's south-west corner; the bins run from 0° east and
    // from the north pole, a row at a time. Bins east of 180° are taken west of it.
    Degrees toDegrees(int bin, QPoint units) const {
        double west = (bin % columns) * binDegrees();
        if (west >= 180) west -= 360;
        const double south = 90 - (bin / columns + 1) * binDegrees();
        const double unit = binDegrees() / kBinUnits;
        return {float(west + units.x() * unit), float(south + units.y() * unit)};
    }
};

BinGrid readGrid(const NetcdfFile& file) {
    BinGrid grid;
    grid.binMinutes = file.scalar("Bin_size_in_minutes");
    grid.columns = file.scalar("N_bins_in_360_longitude_range");
    const int rows = file.scalar("N_bins_in_180_degree_latitude_range");
    grid.bins = file.scalar("N_bins_in_file");
    grid.segments = file.scalar("N_segments_in_file");
    grid.points = file.scalar("N_points_in_file");
    if (grid.binMinutes <= 0 || grid.columns <= 0 || rows <= 0 || grid.columns * grid.binMinutes != 360 * 60 ||
        rows * grid.binMinutes != 180 * 60 || grid.bins != grid.columns * rows)
        file.fail(QStringLiteral("its bins (%1 minutes, %2 by %3, %4 in all) do not cover the globe")
                      .arg(grid.binMinutes)
                      .arg(grid.columns)
                      .arg(rows)
                      .arg(grid.bins));
    if (grid.segments < 0 || grid.segments > kMostSegments || grid.points < 0 || grid.points > kMostPoints)
        file.fail(QStringLiteral("it claims %1 pieces of %2 points").arg(grid.segments).arg(grid.points));
    return grid;
}

// A range [first, first + count) of pieces or points, checked against the file's count of them.
void checkRange(const NetcdfFile& file, const char* what, qint64 first, qint64 count, qint64 total) {
    if (first < 0 || count < 0 || first + count > total)
        file.fail(QStringLiteral("%1 %2 to %3 lie outside its %4")
                      .arg(QLatin1String(what))
                      .arg(first)
                      .arg(first + count)
                      .arg(total));
}

// What shoreline and border files both hold: the grid of bins, each bin's pieces, the first point
// of each piece and every point's place in its bin.
struct BinnedFile {
    explicit BinnedFile(const QString& fileName)
        : file(fileName),
          grid(readGrid(file)),
          firstSegment(file.ints("Id_of_first_segment_in_a_bin", grid.bins)),
          segmentCount(file.shorts("N_segments_in_a_bin", grid.bins)),
          firstPoint(file.ints("Id_of_first_point_in_a_segment", grid.segments)),
          x(file.shorts("Relative_longitude_from_SW_corner_of_bin", grid.points)),
          y(file.shorts("Relative_latitude_from_SW_corner_of_bin", grid.points)) {}

    // A point's place in its bin, in unsigned units.
    QPoint units(int point) const { return {quint16(x[size_t(point)]), quint16(y[size_t(point)])}; }

    // Calls `take(bin, first, end)` for every bin with the range of its pieces.
    template <typename Take>
    void forEachBin(Take take) const {
        for (int bin = 0; bin < grid.bins; ++bin) {
            const int first = firstSegment[size_t(bin)], count = segmentCount[size_t(bin)];
            checkRange(file, "pieces", first, count, grid.segments);
            take(bin, first, first + count);
        }
    }

    NetcdfFile file;
    BinGrid grid;
    std::vector<int> firstSegment;
    std::vector<short> segmentCount;
    std::vector<int> firstPoint;
    std::vector<short> x;
    std::vector<short> y;
};

void addRun(PointRuns& runs, const std::vector<Degrees>& points, int level) {
    runs.points.insert(runs.points.end(), points.begin(), points.end());
    runs.endRun(level, false);
}

void addArea(PointRuns& areas, const BinGrid& grid, int bin, const BinPolygon& polygon) {
    for (const QPoint& point : polygon.points) areas.points.push_back(grid.toDegrees(bin, point));
    areas.pinned.insert(areas.pinned.end(), polygon.onEdge.begin(), polygon.onEdge.end());
    areas.endRun(polygon.level, polygon.allShore);
}

// Each piece packs its number of points, level, side of entry and side of exit into one number.
BinSegment unpackSegment(const BinnedFile& binned, int packed, int firstPoint) {
    BinSegment segment;
    const int count = packed >> 9;
    segment.level = (packed >> 6) & 7;
    segment.entry = (packed >> 3) & 7;
    segment.exit = packed & 7;
    checkRange(binned.file, "points", firstPoint, count, binned.grid.points);
    if (count < 2 || segment.entry > kInsideBin || segment.exit > kInsideBin ||
        (segment.entry == kInsideBin) != (segment.exit == kInsideBin))
        binned.file.fail(QStringLiteral("a piece of %1 points enters on side %2 and leaves on side %3")
                             .arg(count)
                             .arg(segment.entry)
                             .arg(segment.exit));
    for (int point = firstPoint; point < firstPoint + count; ++point) segment.points.push_back(binned.units(point));
    return segment;
}

}  // namespace

void PointRuns::endRun(int level, bool allShore) {
    const int first = runs.empty() ? 0 : runs.back().first + runs.back().count;
    Run run{first, int(points.size()) - first, level, allShore, INFINITY, -INFINITY, INFINITY, -INFINITY};
    for (auto point = points.begin() + first; point != points.end(); ++point) {
        run.west = std::min(run.west, point->longitude);
        run.east = std::max(run.east, point->longitude);
        run.south = std::min(run.south, point->latitude);
        run.north = std::max(run.north, point->latitude);
    }
    runs.push_back(run);
}

void readShorelines(const QString& fileName, CoastlineLayer& layer) {
    const BinnedFile binned(fileName);
    const BinGrid& grid = binned.grid;
    const std::vector<short> cornerLevels = binned.file.shorts("Embedded_node_levels_in_a_bin", grid.bins);
    const std::vector<int> packed = binned.file.ints("Embedded_npts_levels_exit_entry_for_a_segment", grid.segments);
    // Every point is an area's; an area adds at most a few corners to a bin's points.
    layer.areas.points.reserve(size_t(grid.points) + 8 * size_t(grid.bins));
    std::vector<BinSegment> segments;
    std::vector<Degrees> line;
    binned.forEachBin([&](int bin, int first, int end) {
        segments.clear();
        for (int piece = first; piece < end; ++piece) {
            BinSegment segment = unpackSegment(binned, packed[size_t(piece)], binned.firstPoint[size_t(piece)]);
            if (segment.level == kGroundingLineLevel) continue;
            if (segment.entry != kInsideBin) {
                line.clear();
                for (const QPoint& point : segment.points) line.push_back(grid.toDegrees(bin, point));
                addRun(layer.shores, line, segment.level);
            }
            segments.push_back(std::move(segment));
        }
        // The corners' levels, three bits each; a bin no piece crosses has one level at all four.
        const int cornerLevel = (quint16(cornerLevels[size_t(bin)]) >> 9) & 7;
        for (const BinPolygon& polygon : binPolygons(segments, cornerLevel)) addArea(layer.areas, grid, bin, polygon);
    });
}

void readBorders(const QString& fileName, CoastlineLayer& layer) {
    const BinnedFile binned(fileName);
    const std::vector<short> pointCount = binned.file.shorts("N_points_for_a_segment", binned.grid.segments);
    const std::vector<short> level = binned.file.shorts("Hierarchial_level_of_a_segment", binned.grid.segments);
    std::vector<Degrees> line;
    binned.forEachBin([&](int bin, int first, int end) {
        for (int piece = first; piece < end; ++piece) {
            if (level[size_t(piece)] != kNationalBorderLevel) continue;
            const int firstPoint = binned.firstPoint[size_t(piece)], count = pointCount[size_t(piece)];
            checkRange(binned.file, "points", firstPoint, count, binned.grid.points);
            line.clear();
            for (int point = firstPoint; point < firstPoint + count; ++point)
                line.push_back(binned.grid.toDegrees(bin, binned.units(point)));
            if (line.size() >= 2) addRun(layer.borders, line, kNationalBorderLevel);
        }
    });
}

}  // namespace maps
