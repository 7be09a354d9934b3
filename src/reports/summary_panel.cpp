#include "reports/summary_panel.h"

namespace reports {

const std::array<QString, 8>& summaryPanelRowKeys() {
    static const std::array<QString, 8> keys{"af", "an", "as", "eu", "na", "oc", "sa", "tot"};
    return keys;
}

SummaryPanelText summaryPanelText(SummaryKind kind, const std::vector<SummaryRow>& rows) {
    SummaryPanelText text;
    text.SumPanelLabel =
        kind == SummaryKind::Group ? QStringLiteral("Group Summary") : QStringLiteral("Continental Summary");
    for (size_t panelRow = 0; panelRow < summaryPanelRowKeys().size(); ++panelRow) {
        const SummaryRow* row = panelRow < rows.size() ? &rows[panelRow] : nullptr;
        if (row) text.rowCaptions[panelRow] = row->caption;
        for (const SummaryColumn& column : summaryColumns()) {
            const QString label = QStringLiteral("L_%1_%2").arg(summaryPanelRowKeys()[panelRow], column.key);
            text.valueLabels[label] = row ? cellText(row->counts, column) : QString();
        }
    }
    return text;
}

}  // namespace reports
