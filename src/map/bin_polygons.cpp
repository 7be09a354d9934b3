#include "map/bin_polygons.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace maps {

namespace {

const QPoint kCorners[4] = {{0, 0}, {kBinUnits, 0}, {kBinUnits, kBinUnits}, {0, kBinUnits}};

// Where a point lies along the bin's edge, anticlockwise from the south-west corner: the sides
// count 0 to 1, 1 to 2, 2 to 3 and 3 to 4, each corner at a whole number. The side is the one the
// piece names, so a point slightly off its side still falls on it.
double edgePosition(int side, QPoint point) {
    const double x = double(point.x()) / kBinUnits, y = double(point.y()) / kBinUnits;
    switch (side) {
        case 0:
            return x;
        case 1:
            return 1 + y;
        case 2:
            return 3 - x;
        default:
            return 4 - y;
    }
}

// The distance along the edge from one position to another, walking anticlockwise (land on the
// left of an odd level) or clockwise (an even level: its water lies right of its pieces).
double walk(double from, double to, bool anticlockwise) {
    const double distance = std::fmod(anticlockwise ? to - from : from - to, 4.0);
    return distance < 0 ? distance + 4 : distance;
}

void append(BinPolygon& polygon, QPoint point, bool onEdge) {
    polygon.points.push_back(point);
    polygon.onEdge.push_back(onEdge);
}

void appendSegment(BinPolygon& polygon, const BinSegment& segment) {
    for (size_t i = 0; i < segment.points.size(); ++i)
        append(polygon, segment.points[i], i == 0 || i + 1 == segment.points.size());
}

// The open pieces of one level joined into closed areas: from where a piece leaves the bin the
// area follows the edge, through the corners on the way, to where the next piece enters.
void joinCrossingSegments(const std::vector<const BinSegment*>& open, int level, std::vector<BinPolygon>& areas) {
    const bool anticlockwise = level % 2 == 1;
    std::vector<bool> used(open.size(), false);
    for (size_t start = 0; start < open.size(); ++start) {
        if (used[start]) continue;
        BinPolygon area{level, {}, {}, false};
        size_t current = start;
        while (true) {
            used[current] = true;
            const BinSegment& piece = *open[current];
            appendSegment(area, piece);
            const double leaving = edgePosition(piece.exit, piece.points.back());
            size_t next = start;
            double nearest = std::numeric_limits<double>::infinity();
            for (size_t other = 0; other < open.size(); ++other) {
                const double distance =
                    walk(leaving, edgePosition(open[other]->entry, open[other]->points.front()), anticlockwise);
                if (distance < nearest) {
                    nearest = distance;
                    next = other;
                }
            }
            std::vector<std::pair<double, int>> corners;
            for (int corner = 0; corner < 4; ++corner) {
                const double distance = walk(leaving, corner, anticlockwise);
                if (distance > 0 && distance < nearest) corners.push_back({distance, corner});
            }
            std::sort(corners.begin(), corners.end());
            for (const auto& [distance, corner] : corners) append(area, kCorners[corner], true);
            // Back at the start, or (in a damaged bin) at a piece already taken: the area is closed.
            if (used[next]) break;
            current = next;
        }
        areas.push_back(std::move(area));
    }
}

}  // namespace

std::vector<BinPolygon> binPolygons(const std::vector<BinSegment>& segments, int cornerLevel) {
    std::vector<BinPolygon> areas;
    int lowestCrossing = std::numeric_limits<int>::max();
    for (const BinSegment& segment : segments)
        if (segment.entry != kInsideBin) lowestCrossing = std::min(lowestCrossing, segment.level);
    // The level around the pieces: below the lowest crossing one, or that of the corners.
    const int around = lowestCrossing == std::numeric_limits<int>::max() ? cornerLevel : lowestCrossing - 1;
    if (around > 0) {
        BinPolygon whole{around, {}, {}, false};
        for (const QPoint& corner : kCorners) append(whole, corner, true);
        areas.push_back(std::move(whole));
    }
    std::vector<int> levels;
    for (const BinSegment& segment : segments) levels.push_back(segment.level);
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
    for (const int level : levels) {
        std::vector<const BinSegment*> open;
        for (const BinSegment& segment : segments) {
            if (segment.level != level) continue;
            if (segment.entry != kInsideBin) {
                open.push_back(&segment);
                continue;
            }
            BinPolygon closed{level, {}, {}, true};
            appendSegment(closed, segment);
            areas.push_back(std::move(closed));
        }
        joinCrossingSegments(open, level, areas);
    }
    return areas;
}

}  // namespace maps
