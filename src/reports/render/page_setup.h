#pragma once

#include <QPageSize>

#include "reports/render/report.h"

class QPagedPaintDevice;

namespace reports {

// The page of a report for the printer's paper: US Letter (215.9 x 279.4 mm) when the printer
// has Letter paper, A4 (210 x 297 mm) for every other paper.
QPageSize reportPaper(const QPageSize& printerPaper);

// The paper of a file written without a printer: Letter where the locale measures in US units,
// A4 elsewhere, as a printer would be set up.
QPageSize defaultPaper();

// Sets up the device's page for the report: the report paper for the printer's paper, the
// report's orientation and its margins in millimetres.
void applyPageSetup(const Report& report, QPagedPaintDevice& device, const QPageSize& printerPaper);

}  // namespace reports
