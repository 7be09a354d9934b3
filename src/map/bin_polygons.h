#pragma once

#include <QPoint>
#include <vector>

namespace maps {

// GSHHG keeps its shorelines cut into bins, squares of the globe, each piece in units of 1/65535 of
// the bin's side from the bin's south-west corner. A piece that crosses the bin enters and leaves
// it on a side (0 south, 1 east, 2 north, 3 west); one that lies wholly inside is closed (side 4).
// Land lies left of every piece: an island runs anticlockwise, a lake clockwise.
inline constexpr int kBinUnits = 65535;
inline constexpr int kInsideBin = 4;

struct BinSegment {
    int level = 1;  // 1 land, 2 lake, 3 island in a lake, 4 pond in such an island
    int entry = kInsideBin;
    int exit = kInsideBin;
    std::vector<QPoint> points;
};

// A closed area of a bin to be filled in the colour of its level, painted in the order of the
// levels so that each lies on the one around it. `onEdge` marks the points on the bin's edge,
// which neighbouring bins share and thinning keeps. The outline of a piece wholly inside the bin
// (an island, a lake) is all shore.
struct BinPolygon {
    int level = 1;
    std::vector<QPoint> points;
    std::vector<bool> onEdge;
    bool allShore = false;
};

// The areas of one bin: the whole bin at the level around its pieces (nothing for open sea),
// each closed piece, and for each level the crossing pieces joined into closed areas along the
// bin's edge, through the corners they pass. `cornerLevel` is the level of a bin no piece
// crosses (all land, all sea, or inside a lake).
std::vector<BinPolygon> binPolygons(const std::vector<BinSegment>& segments, int cornerLevel);

}  // namespace maps
