#pragma once

#include <QString>
#include <array>
#include <optional>

// One display mode of the frame "Display mode (Status)": which records of a continent or of an
// island group the list shows.
struct DisplayMode {
    QString caption;
    QString continentFilter;
    // The group filter before the quoted group code; none for a mode that keeps the filter it finds.
    std::optional<QString> groupFilterHead;
};

// The ten modes in the order of their radio buttons, RadioButton1 ("all") to RadioButton10.
const std::array<DisplayMode, 10>& displayModes();

// The filter of a mode in the group view of a group code; none when the mode keeps the filter.
std::optional<QString> groupFilter(const DisplayMode& mode, const QString& groupCode);

// One group view of the menu "&1 Show Groups": the continent table and the group code. The view
// button of the table's continent shows as pressed.
struct GroupView {
    QString tableName;
    QString groupCode;
};

// The six in menu order: Arctic Islands of Europe, Asia and Northamerica, the British Isles, the
// West Indies of Northamerica and Southamerica.
const std::array<GroupView, 6>& groupViews();
