#pragma once

#include <QMap>
#include <QString>
#include <array>
#include <vector>

#include "reports/award_summary.h"

namespace reports {

// What the screen panel GroupSummary shows after a summary: its title SumPanelLabel, the row
// captions L1 to L8 and the text of every value label L_<row>_<column> of its eight rows.
struct SummaryPanelText {
    QString SumPanelLabel;
    std::array<QString, 8> rowCaptions;
    QMap<QString, QString> valueLabels;
};

// The panel's rows by key: af an as eu na oc sa, then tot below the second line.
const std::array<QString, 8>& summaryPanelRowKeys();

// The panel text of a counted screen summary. The counted rows fill the panel's rows from the
// top (the groups stand in rows af, an and as); captions and value labels of the rows below are
// empty, so no trace of an earlier summary stays.
SummaryPanelText summaryPanelText(SummaryKind kind, const std::vector<SummaryRow>& rows);

}  // namespace reports
