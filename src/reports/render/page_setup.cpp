#include "reports/render/page_setup.h"

#include <QLocale>
#include <QPagedPaintDevice>

namespace reports {

QPageSize reportPaper(const QPageSize& printerPaper) {
    return QPageSize(printerPaper.id() == QPageSize::Letter ? QPageSize::Letter : QPageSize::A4);
}

QPageSize defaultPaper() {
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                        : QPageSize::A4);
}

void applyPageSetup(const Report& report, QPagedPaintDevice& device, const QPageSize& printerPaper) {
    const QMarginsF margins(report.margin, report.margin, report.margin, report.margin);
    device.setPageLayout(QPageLayout(reportPaper(printerPaper), report.orientation, margins, QPageLayout::Millimeter));
}

}  // namespace reports
