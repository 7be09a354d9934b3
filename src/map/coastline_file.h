#pragma once

#include <QString>
#include <vector>

namespace maps {

// A point of a coastline in degrees, held in single precision (a metre at the date line): the
// intermediate coastlines have a million points.
struct Degrees {
    float longitude;
    float latitude;
};

// Runs of points in degrees, longitude from -180 to 180, each a line or a closed area with its
// level.
struct PointRuns {
    struct Run {
        int first;
        int count;
        int level;
        bool allShore;                   // an area whose outline is a shoreline, drawn as one
        float west, east, south, north;  // the rectangle round its points
    };
    std::vector<Degrees> points;
    std::vector<Run> runs;
    // Per point, for areas: it lies on the edge of its bin and is kept when the points are thinned,
    // so that neighbouring bins meet without a gap. Lines keep their two ends only.
    std::vector<bool> pinned;

    // Makes the points added since the last run a run of its own.
    void endRun(int level, bool allShore);
};

// One resolution of GSHHG's coastlines: the areas of land and water to fill in the order of
// their level (1 land, 2 lake, 3 island in a lake, 4 pond), the shorelines to draw over them (those
// of the pieces that cross their bin; an island or lake wholly inside one is an area drawn with
// its outline), and the national borders.
struct CoastlineLayer {
    PointRuns areas;
    PointRuns shores;
    PointRuns borders;

    size_t pointCount() const { return areas.points.size() + shores.points.size() + borders.points.size(); }
};

// Reads the shorelines of a GSHHG binned file (binned_GSHHS_c.nc …) into a layer's areas and
// shores. Antarctica is the ice front: its grounding line (level 6) is left out. Fails naming the
// file and the reason when it is missing, is no such file or holds values that do not fit.
void readShorelines(const QString& fileName, CoastlineLayer& layer);

// Reads the national borders (level 1) of a GSHHG binned border file (binned_border_c.nc …).
void readBorders(const QString& fileName, CoastlineLayer& layer);

}  // namespace maps
