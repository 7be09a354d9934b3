#pragma once

#include <QPageSize>
#include <QString>

#include "reports/render/report.h"

namespace reports {

// Writes the printed pages of a report into a PDF file, on the report page for the printer's
// paper (Letter or A4), titled with the report's title. The file is whole or untouched: an older
// file of that name is replaced only once every page is written. Fails naming the file and the
// reason when it cannot be written. Returns the number of pages.
int writeReportPdf(const Report& report, const QString& fileName, const QPageSize& printerPaper,
                   const QString& printedAt);

}  // namespace reports
