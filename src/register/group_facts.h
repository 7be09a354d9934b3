#pragma once

#include <QString>
#include <optional>

// The box of an island group as it lies on the globe, in degrees: its west and east edges of
// longitude (-180 to 180) and its south and north edges of latitude. A box that crosses the date
// line has its west edge east of its east edge (Wrangel Island, AS-027: west 178.25, east
// -175.25); one that spans the whole circle runs from west -180 to east 180 (Antarctica, AN-016).
struct GroupBox {
    double west = 0;
    double east = 0;
    double south = 0;
    double north = 0;

    bool operator==(const GroupBox&) const = default;
    bool crossesDateLine() const { return west > east; }
};

// The box from the award programme's two latitudes and two longitudes, given in either order:
// edges more than half the globe apart are the two sides of a box across the date line. None
// when an edge lies outside the globe.
std::optional<GroupBox> boxFromEdges(double latitude1, double latitude2, double longitude1, double longitude2);

// The box as one text, "west east south north" ("178.25 -175.25 70.67 71.75"); empty for none.
QString boxText(const std::optional<GroupBox>& box);

// What the award programme's list says of a group beyond its name: its box and the DXCC
// entities it lies in, as their numbers joined by commas ("223,294,279"); empty when unknown.
struct GroupFacts {
    QString dxcc;
    std::optional<GroupBox> box;

    bool operator==(const GroupFacts&) const = default;
};

// The DXCC numbers of a text such as the list's "dxcc_num" ("379, 55"), blanks around them dropped; none
// unless it is one or more whole numbers separated by commas.
std::optional<QString> dxccNumbers(const QString& text);
