#include "reports/want_list_report.h"

namespace reports {

Report wantListReport(const QString& QRLabel33, const QStringList& QRMemo1) {
    const ReportBand header{BandType::PageHeader,
                            9,
                            {{"QRLabel33", LabelSource::Text, QRLabel33, 0, 1, 0, Qt::AlignHCenter, {12, true, false}}},
                            {},
                            {}};
    const ReportBand memo{BandType::Summary, 0, {}, ReportMemo{"QRMemo1", QRMemo1, {9}, Qt::AlignHCenter}, {}};
    return {QStringLiteral("Want List"), QPageLayout::Landscape, 12, {header, memo}, std::nullopt};
}

}  // namespace reports
