#pragma once

#include "base/progress.h"

#include <QString>
#include <functional>
#include <vector>

#include "reports/summary_counts.h"

namespace store {
class Table;
}

namespace reports {

// The three summaries of the program. They count the same records with slightly different
// filter texts, and advance the progress gauge in their own steps.
enum class SummaryKind {
    Continental,  // "&Continental Awards": the seven continents and their sum, on screen
    Group,        // "&Group Awards": Arctic Islands, British Isles, West Indies, on screen
    Printed,      // "Print &Summary": continents, their sum and the three groups, on paper
};

// One row of a summary: the area key (af an as eu na oc sa, tot for the sum of the continents,
// ai bi wi for the groups), its caption as that summary shows it, and its counts.
struct SummaryRow {
    QString key;
    QString caption;
    SummaryCounts counts;
};

// Advances the progress gauge by a number of points.

// Counts one value: with the handle closed, points it at the table, sets the filter, switches
// Filtered on, opens it, takes RecordCount and closes it again. No record is read.
int countRecords(store::Table& Table1, const QString& tableName, const QString& filter);

// Counts every row of a summary afresh through the table handle, one filtered count per value
// and table, in the order the summary writes its labels. A group counts only its records in the
// group's own tables; the sum row adds the continents' counts, so its percentages come from the
// summed counts. Leaves the handle closed on "IOTA-SA", filtered on the last expression used.
std::vector<SummaryRow> countSummary(store::Table& Table1, SummaryKind kind,
                                     BatchProgress& progress = BatchProgress::none());

}  // namespace reports
