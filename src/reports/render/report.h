#pragma once

#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "reports/record_set.h"

namespace reports {

// The bands of a banded report, in the order they stand on a page.
enum class BandType { PageHeader, Title, ColumnHeader, Detail, Summary, PageFooter };

// The type face of a report text: Arial (or its stand-in) in a point size, bold or italic.
struct TextStyle {
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
};

// What a label prints: its own text, a field of the current record, the page number (after
// the label's text) or the date and time of printing.
enum class LabelSource { Text, Field, PageNumber, DateTime };

// A one-line text of a band. Positions are millimetres from the band's top left corner (the
// page's left margin); a width of 0 spans the band. A text wider than the label is cut after
// the last character that fits.
struct ReportLabel {
    QString name;
    LabelSource source = LabelSource::Text;
    QString text;  // the caption, the text before the page number, or the bound field's name
    double left = 0;
    double top = 0;
    double width = 0;
    Qt::Alignment alignment = Qt::AlignLeft;
    TextStyle style;
};

// A growing text block: the band grows to hold all its lines, long lines wrap at blanks within
// the band's width, and the block continues on the next page when the page is full.
struct ReportMemo {
    QString name;
    QStringList lines;
    TextStyle style;
    Qt::Alignment alignment = Qt::AlignLeft;
};

// Which edges of a band carry a line.
struct BandFrame {
    bool top = false;
    bool bottom = false;
    bool left = false;
    bool right = false;
};

// One band: its height in millimetres, its labels, an optional growing text block and its frame.
struct ReportBand {
    BandType type = BandType::Detail;
    double height = 0;
    std::vector<ReportLabel> labels;
    std::optional<ReportMemo> memo;
    BandFrame frame;
};

// A banded report. The page header and footer stand on every page, the title on the first,
// the column header on every page below the page header and title; the detail band prints once
// per record of the data, or once when the report has no data; the summary follows the details.
struct Report {
    QString title;  // the name of the preview and of the print job
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    double margin = 10;  // millimetres on all four sides
    std::vector<ReportBand> bands;
    std::optional<RecordSet> data;

    // The band of a type, or nullptr.
    const ReportBand* band(BandType type) const;
    // The label of a name in any band, or nullptr.
    const ReportLabel* label(const QString& name) const;
};

// The name of a band type as the page text and the tests show it ("page header", "detail" ...).
QString bandTypeName(BandType type);

}  // namespace reports
