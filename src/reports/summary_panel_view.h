#pragma once

#include <QMap>
#include <QWidget>
#include <array>

#include "reports/summary_panel.h"

class QFrame;
class QLabel;
class QPushButton;

namespace reports {

// The contents of the summary panel GroupSummary: the title SumPanelLabel, the button OK_Button,
// the bold column headings between two lines, the row captions L1 to L8 and the value labels
// L_<row>_<column>. It fills the panel it is given and paints it in the info-tip colour.
class SummaryPanelView : public QWidget {
public:
    explicit SummaryPanelView(QFrame* GroupSummary);

    // Writes the title, the row captions and every value label of a counted summary.
    void showText(const SummaryPanelText& text);

    QLabel* SumPanelLabel = nullptr;
    QPushButton* OK_Button = nullptr;

private:
    void createHeadings();
    void createRows();
    void nameValuesByRowAndColumn(const std::array<QString, 8>& rowCaptions);
    static QString valueLabelName(size_t row, size_t column);

    std::array<QLabel*, 8> m_rowCaptions{};
    QMap<QString, QLabel*> m_valueLabels;
};

}  // namespace reports
