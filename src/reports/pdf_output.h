#pragma once

#include <QPageSize>
#include <QString>

#include "reports/report.h"

namespace reports {

// Writes the printed pages of a report into a PDF file, on the report page for the printer's
// paper (Letter or A4), titled with the report's title. Fails naming the file when it cannot be
// written. Returns the number of pages.
int writeReportPdf(const Report& report, const QString& fileName, const QPageSize& printerPaper,
                   const QString& printedAt);

}  // namespace reports
