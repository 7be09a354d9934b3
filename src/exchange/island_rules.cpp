#include "exchange/island_rules.h"

#include "register/codes.h"

namespace {

const QString kDeleted = QStringLiteral("DELETED");
const QStringList kNotCredited = {"NONE", "DELETED"};

bool passes(const ColumnTest& test, const QString& column) {
    if (test.words.isEmpty()) return true;
    bool found = false;
    for (const QString& word : test.words) found = found || column.contains(word);
    return found == test.contains;
}

bool holds(const IslandRule& rule, const IslandColumns& columns, const QString& statusBefore) {
    return passes(rule.call, columns.call) && passes(rule.prefix, columns.prefix) &&
           (rule.statusesBefore.isEmpty() || rule.statusesBefore.contains(statusBefore));
}

QString changedCall(CallChange change, const IslandColumns& columns, const QString& before) {
    switch (change) {
        case CallChange::Keep:
            return before;
        case CallChange::Empty:
            return QString();
        case CallChange::FromLine:
            break;
    }
    return columns.call;
}

}  // namespace

const IslandLineFormat& memberIslandLines() {
    using enum CallChange;
    static const IslandLineFormat format{
        {{10, 6}, {17, 15}, {32, 10}, {42, 0}},
        {
            // A reference the checkpoint lists as deleted keeps its callsign for the record.
            {{{kDeleted}}, {{kDeleted}}, {}, status::Deleted, Keep, true},
            {{kNotCredited}, {{"Unallocate"}}, {}, status::Unallocated, Empty, false},
            // Not credited yet: the user's own claim or worked mark survives.
            {{kNotCredited}, {{"Unallocate"}, false}, {status::Claimed, status::Worked}, {}, Keep, false},
            {{kNotCredited}, {{"Unallocate"}, false}, {}, status::Needed, Empty, false},
            {{kNotCredited, false}, {}, {}, status::Approved, FromLine, false},
        },
    };
    return format;
}

const IslandLineFormat& updateIslandLines() {
    using enum CallChange;
    static const IslandLineFormat format{
        {{10, 6}, {}, {17, 10}, {29, 0}},
        {
            {{}, {{kDeleted}}, {}, status::Deleted, Keep, true},
            {{}, {{kDeleted}, false}, {status::Claimed, status::Worked, status::Approved}, {}, Keep, false},
            // Deleted and unallocated references listed again become needed ones.
            {{}, {{kDeleted}, false}, {}, status::Needed, Empty, false},
        },
    };
    return format;
}

IslandColumns readIslandColumns(const QString& line, const IslandLineLayout& layout) {
    return {columnText(line, layout.reference), columnText(line, layout.call), columnText(line, layout.prefix),
            columnText(line, layout.name)};
}

IslandRecord applyIslandRules(const std::vector<IslandRule>& rules, const IslandColumns& columns,
                              const IslandRecord& before) {
    for (const IslandRule& rule : rules) {
        if (!holds(rule, columns, before.status)) continue;
        return {rule.status.isEmpty() ? before.status : rule.status, changedCall(rule.callChange, columns, before.call),
                rule.deleted ? kDeleted : columns.prefix, rule.deleted ? kDeleted : columns.name};
    }
    return before;
}

IslandRecord applyIslandLine(const IslandLineFormat& format, const QString& line, const IslandRecord& before) {
    return applyIslandRules(format.rules, readIslandColumns(line, format.layout), before);
}
