#pragma once

#include <vector>

#include "reports/award_summary.h"
#include "reports/page_header.h"
#include "reports/render/report.h"

namespace reports {

// The printed summary QuickRep2 "Summary": a landscape page with 10 mm margins; the page header
// QRLabel10 / QRLabel11; the framed title; one detail band holding the bold headings, the rows of
// the printed summary with their value labels QRL_<row>_<column> (the sum row "Total score"
// between two rules of 125 "="); the date and time in the footer.
Report summaryReport(const std::vector<SummaryRow>& rows, const PageHeaderCaptions& header);

}  // namespace reports
