#pragma once

#include <QString>

#include "reports/render/report.h"

class QPagedPaintDevice;

namespace reports {

// Prints the report on a paged device (a printer, the preview, a PDF writer) with the page set
// up on the device: lays it out on the device's printable area and paints one device page per
// report page. Date-time fields show the given text. Fails when the device cannot be painted on.
// Returns the number of pages.
int renderReport(const Report& report, QPagedPaintDevice& device, const QString& printedAt);

}  // namespace reports
