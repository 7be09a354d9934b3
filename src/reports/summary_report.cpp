#include "reports/summary_report.h"

#include <array>

namespace reports {

namespace {

const TextStyle kHeaderStyle{10, true, true};
const TextStyle kValueStyle{10};
const TextStyle kCaptionStyle{10, true};
constexpr double kLinePitch = 5.5;
constexpr double kFirstLine = 2;
constexpr double kCaptionWidth = 45;
constexpr double kValueWidth = 20;

// Where each value column ends, in millimetres from the left margin, in summaryColumns() order.
constexpr std::array<double, 8> kColumnRight{60, 82, 104, 130, 150, 178, 198, 255};

// The headings over the table: a heading stands over one column or is centred over a pair.
struct Heading {
    QString name;
    QString text;
    double left;
    double width;
    Qt::Alignment alignment;
};

const std::array<Heading, 6>& headings() {
    static const std::array<Heading, 6> all{{
        {"Heading_a", "approved", kColumnRight[0] - kValueWidth, kValueWidth, Qt::AlignRight},
        {"Heading_c", "claimed", kColumnRight[1] - kValueWidth, kValueWidth, Qt::AlignRight},
        {"Heading_w", "worked", kColumnRight[2] - kValueWidth, kValueWidth, Qt::AlignRight},
        {"Heading_ac", "appr.+claimed", kColumnRight[3] - kValueWidth, 2 * kValueWidth, Qt::AlignHCenter},
        {"Heading_acw", "appr.+claimed+worked", kColumnRight[5] - kValueWidth, 2 * kValueWidth, Qt::AlignHCenter},
        {"Heading_tot", "Total qualifying islands", kColumnRight[7] - 44, 44, Qt::AlignRight},
    }};
    return all;
}

ReportBand pageHeader(const PageHeaderCaptions& header) {
    return {BandType::PageHeader,
            8,
            {{"QRLabel10", LabelSource::Text, header.left, 0, 1, 130, Qt::AlignLeft, kHeaderStyle},
             {"QRLabel11", LabelSource::Text, header.right, 130, 1, 0, Qt::AlignRight, kHeaderStyle}},
            {},
            {}};
}

ReportBand titleBand() {
    return {BandType::Title,
            12,
            {{"SummaryTitle", LabelSource::Text, "Summary", 0, 3, 0, Qt::AlignHCenter, {14, true, false}}},
            {},
            {true, true, true, true}};
}

void addRule(ReportBand& band, int number, double top) {
    band.labels.push_back({QStringLiteral("Rule%1").arg(number), LabelSource::Text, QString(125, u'='), 0, top, 0,
                           Qt::AlignLeft, kValueStyle});
}

void addRow(ReportBand& band, const SummaryRow& row, double top) {
    band.labels.push_back({QStringLiteral("Caption_") + row.key, LabelSource::Text, row.caption, 0, top, kCaptionWidth,
                           Qt::AlignLeft, kCaptionStyle});
    for (size_t i = 0; i < summaryColumns().size(); ++i) {
        const SummaryColumn& column = summaryColumns()[i];
        band.labels.push_back({QStringLiteral("QRL_%1_%2").arg(row.key, column.key), LabelSource::Text,
                               cellText(row.counts, column), kColumnRight[i] - kValueWidth, top, kValueWidth,
                               Qt::AlignRight, kValueStyle});
    }
}

// The table: headings, the continents, a rule, the sum row, a rule, the groups.
ReportBand tableBand(const std::vector<SummaryRow>& rows) {
    ReportBand band{BandType::Detail, 0, {}, {}, {}};
    double top = kFirstLine;
    for (const Heading& heading : headings())
        band.labels.push_back({heading.name, LabelSource::Text, heading.text, heading.left, top, heading.width,
                               heading.alignment, kCaptionStyle});
    int rules = 0;
    for (const SummaryRow& row : rows) {
        const bool sumRow = row.key == QLatin1String("tot");
        if (sumRow) addRule(band, ++rules, top += kLinePitch);
        addRow(band, row, top += kLinePitch);
        if (sumRow) addRule(band, ++rules, top += kLinePitch);
    }
    band.height = top + kLinePitch + kFirstLine;
    return band;
}

ReportBand pageFooter() {
    return {BandType::PageFooter,
            8,
            {{"PrintedAt", LabelSource::DateTime, "", 130, 2, 0, Qt::AlignRight, kValueStyle}},
            {},
            {}};
}

}  // namespace

Report summaryReport(const std::vector<SummaryRow>& rows, const PageHeaderCaptions& header) {
    return {QStringLiteral("Summary"),
            QPageLayout::Landscape,
            10,
            {pageHeader(header), titleBand(), tableBand(rows), pageFooter()},
            std::nullopt};
}

}  // namespace reports
