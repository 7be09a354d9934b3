#include "listupdate/update_panel_rules.h"

#include <array>

namespace updatepanel {

const QStringList& initialMemoLines() {
    static const QStringList lines{
        "After downloading the update, please confirm that you want to update ",
        "the database with the information shown in this window by pushing the ",
        "\"Import\"-Button below.",
        "",
        "Click \"Abort\" to cancel the operation.",
        "",
        "Make sure that you got a connection to the internet!",
    };
    return lines;
}

const ButtonStates& buttonStates(Moment moment) {
    constexpr std::optional<bool> kept;
    // One row per moment, in the order of Moment: Go, Stop, Import, Abort, hourglass.
    static const std::array<ButtonStates, 5> table{{
        {true, false, false, true, false},    // Opened
        {false, true, kept, kept, true},      // DownloadRunning
        {true, false, true, true, false},     // DownloadEnded
        {kept, false, kept, true, false},     // StopPressed
        {false, false, false, false, false},  // ImportRunning
    }};
    return table[size_t(moment)];
}

}  // namespace updatepanel
