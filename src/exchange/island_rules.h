#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "exchange/line_format.h"

// Island lines as the member file and the island list update text carry them, and the rules
// by which such a line changes the island record of its reference.

// The fields of an island record that island lines read and change.
struct IslandRecord {
    QString status;
    QString call;
    QString prefix;
    QString island;
    bool operator==(const IslandRecord&) const = default;
};

// The columns of one island line.
struct IslandColumns {
    QString reference;
    QString call;  // empty where the layout has no call column
    QString prefix;
    QString name;
};

// Where the columns of an island line lie.
struct IslandLineLayout {
    ColumnSpan reference;
    ColumnSpan call;
    ColumnSpan prefix;
    ColumnSpan name;
};

// A test of one column: whether it contains one of the words anywhere (contains) or none of
// them (!contains); without words every column passes.
struct ColumnTest {
    QStringList words;
    bool contains = true;
};

enum class CallChange { Keep, Empty, FromLine };

// One row of a rule table; the first row whose tests all hold decides.
struct IslandRule {
    ColumnTest call;
    ColumnTest prefix;
    QStringList statusesBefore;  // the record's status must be one of these; empty for any
    QString status;              // the new status; empty keeps it
    CallChange callChange;
    bool deleted;  // Prefix and Island become "DELETED" instead of the line's columns
};

// A read layout with its rule table.
struct IslandLineFormat {
    IslandLineLayout layout;
    std::vector<IslandRule> rules;
};

// The member file: call column 17-31, prefix 32-41, name from 42; the island line rules.
const IslandLineFormat& memberIslandLines();
// The island list update text: prefix 17-26, name from 29; the update rules.
const IslandLineFormat& updateIslandLines();

IslandColumns readIslandColumns(const QString& line, const IslandLineLayout& layout);

// The record as the rules leave it after the line's columns; ABW and Comment are never touched.
IslandRecord applyIslandRules(const std::vector<IslandRule>& rules, const IslandColumns& columns,
                              const IslandRecord& before);

// Reads the line by the format's layout and applies its rules to the record.
IslandRecord applyIslandLine(const IslandLineFormat& format, const QString& line, const IslandRecord& before);
