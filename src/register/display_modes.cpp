#include "register/display_modes.h"

#include "register/store/table.h"
#include "register/store/table_names.h"

const std::array<DisplayMode, 10>& displayModes() {
    static const std::array<DisplayMode, 10> modes{{
        {"all", "Status <> 'U'", QStringLiteral("ABW = ")},
        {"A/C", "Status = 'C' or Status = 'A'", QStringLiteral("(Status = 'C' or Status = 'A') and ABW = ")},
        {"C", "Status = 'C'", QStringLiteral("Status = 'C' and ABW = ")},
        {"A", "Status = 'A'", QStringLiteral("Status = 'A' and ABW = ")},
        {"D", "Status = 'D'", QStringLiteral("Status = 'D' and ABW = ")},
        {"need (-)", "Status = '-'", QStringLiteral("Status = '-' and ABW = ")},
        // The two blanks before "and" are the program's own text.
        {"W", "Status = 'W'", QStringLiteral("Status = 'W'  and ABW = ")},
        {"A/C/W", "Status = 'C' or Status = 'A' or Status = 'W'",
         QStringLiteral("(Status = 'A' or Status = 'C' or Status = 'W') and ABW = ")},
        {"need (-/W)", "Status = '-' or Status = 'W'", QStringLiteral("(Status = '-' or Status = 'W') and ABW = ")},
        {"/Call (Update!)", QStringLiteral("Call = ") + store::quoted(QStringLiteral("/*")), std::nullopt},
    }};
    return modes;
}

std::optional<QString> groupFilter(const DisplayMode& mode, const QString& groupCode) {
    if (!mode.groupFilterHead) return std::nullopt;
    return *mode.groupFilterHead + store::quoted(groupCode);
}

const std::array<GroupView, 6>& groupViews() {
    static const std::array<GroupView, 6> views{{
        {kEuropeTable, "A"},
        {kAsiaTable, "A"},
        {kNorthAmericaTable, "A"},
        {kEuropeTable, "B"},
        {kNorthAmericaTable, "W"},
        {kSouthAmericaTable, "W"},
    }};
    return views;
}
