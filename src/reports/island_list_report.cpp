#include "reports/island_list_report.h"

#include <array>

#include "register/store/table_names.h"

namespace reports {

namespace {

const TextStyle kHeaderStyle{10, true, true};

// One column of the list: its heading and where it starts, the bound label and where its field
// starts, all in millimetres from the left margin. The comment is set a size smaller, a little
// lower to keep the line's base.
struct ListColumn {
    QString heading;
    double headingLeft;
    QString label;
    QString field;
    double fieldLeft;
    double fieldWidth;  // 0: to the right margin
    TextStyle style;
    double fieldTop;
};

const std::array<ListColumn, 6>& listColumns() {
    static const std::array<ListColumn, 6> columns{{
        {"IOTA Ref.", 0, "QRDBText1", kIotaField, 0, 16, {9}, 0.5},
        {"Prefix", 17, "QRDBText6", kPrefixField, 17, 15, {9}, 0.5},
        {"Island name", 33, "QRDBText2", kIslandField, 33, 68, {9}, 0.5},
        {"Call", 102, "QRDBText3", kCallField, 102, 22, {9}, 0.5},
        {"Comment", 125, "QRDBText4", kCommentField, 125, 54, {8}, 0.8},
        {"Status", 178, "QRDBText5", kStatusField, 180, 0, {9}, 0.5},
    }};
    return columns;
}

ReportBand pageHeader(const PageHeaderCaptions& header) {
    return {BandType::PageHeader,
            8,
            {{"QRLabel7", LabelSource::Text, header.left, 0, 1, 95, Qt::AlignLeft, kHeaderStyle},
             {"QRLabel8", LabelSource::Text, header.right, 95, 1, 0, Qt::AlignRight, kHeaderStyle}},
            {},
            {}};
}

ReportBand titleBand(const QString& title) {
    return {BandType::Title,
            12,
            {{"QRLabel1", LabelSource::Text, title, 0, 3, 0, Qt::AlignHCenter, {14, true, false}}},
            {},
            {true, true, true, true}};
}

ReportBand columnHeader() {
    ReportBand band{BandType::ColumnHeader, 7, {}, {}, {false, true, false, false}};
    int number = 0;
    for (const ListColumn& column : listColumns())
        band.labels.push_back({QStringLiteral("Heading%1").arg(++number),
                               LabelSource::Text,
                               column.heading,
                               column.headingLeft,
                               1.5,
                               0,
                               Qt::AlignLeft,
                               {10}});
    return band;
}

ReportBand detailBand() {
    ReportBand band{BandType::Detail, 4.5, {}, {}, {}};
    for (const ListColumn& column : listColumns())
        band.labels.push_back({column.label, LabelSource::Field, column.field, column.fieldLeft, column.fieldTop,
                               column.fieldWidth, Qt::AlignLeft, column.style});
    return band;
}

ReportBand pageFooter() {
    return {BandType::PageFooter,
            8,
            {{"PageNumber", LabelSource::PageNumber, "Page ", 0, 2, 0, Qt::AlignHCenter, kHeaderStyle},
             {"PrintedAt", LabelSource::DateTime, "", 130, 2, 0, Qt::AlignRight, kHeaderStyle}},
            {},
            {true, false, false, false}};
}

}  // namespace

Report islandListReport(const QString& title, RecordSet records, const PageHeaderCaptions& header) {
    return {QStringLiteral("Detailed Report"),
            QPageLayout::Portrait,
            10,
            {pageHeader(header), titleBand(title), columnHeader(), detailBand(), pageFooter()},
            std::move(records)};
}

}  // namespace reports
