#include "reports/pdf_output.h"

#include <QFile>
#include <QPdfWriter>

#include "app/failure.h"
#include "reports/page_setup.h"
#include "reports/report_renderer.h"

namespace reports {

int writeReportPdf(const Report& report, const QString& fileName, const QPageSize& printerPaper,
                   const QString& printedAt) {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw Failure(QStringLiteral("Cannot write the PDF file \"%1\": %2").arg(fileName, file.errorString()));
    QPdfWriter writer(&file);
    writer.setTitle(report.title);
    writer.setCreator(QStringLiteral("Skerrydesk"));
    applyPageSetup(report, writer, printerPaper);
    const int pages = renderReport(report, writer, printedAt);
    file.close();
    if (file.error() != QFileDevice::NoError)
        throw Failure(QStringLiteral("Cannot write the PDF file \"%1\": %2").arg(fileName, file.errorString()));
    return pages;
}

}  // namespace reports
