#include "reports/render/pdf_output.h"

#include <QDir>
#include <QPdfWriter>
#include <QSaveFile>

#include "base/failure.h"
#include "reports/render/page_setup.h"
#include "reports/render/report_renderer.h"

namespace reports {

namespace {

Failure pdfFailure(const QString& fileName, const QSaveFile& file) {
    return Failure(QStringLiteral("Cannot write the PDF file \"%1\": %2; any older file of that name is kept")
                       .arg(QDir::toNativeSeparators(fileName), file.errorString()));
}

}  // namespace

int writeReportPdf(const Report& report, const QString& fileName, const QPageSize& printerPaper,
                   const QString& printedAt) {
    // The pages go to a temporary file that replaces the older PDF only once they are all written.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) throw pdfFailure(fileName, file);
    int pages = 0;
    {
        QPdfWriter writer(&file);
        writer.setTitle(report.title);
        writer.setCreator(QStringLiteral("Skerrydesk"));
        applyPageSetup(report, writer, printerPaper);
        pages = renderReport(report, writer, printedAt);
    }
    if (!file.commit()) throw pdfFailure(fileName, file);
    return pages;
}

}  // namespace reports
