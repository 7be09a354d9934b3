#pragma once

#include "reports/page_header.h"
#include "reports/record_set.h"
#include "reports/render/report.h"

namespace reports {

// The island list QuickRep1 "Detailed Report": a portrait page with 10 mm margins; the page
// header QRLabel7 / QRLabel8; the framed title QRLabel1; the column headings at 0, 17, 33, 102,
// 125 and 178 mm over a line; one detail line per record with QRDBText1 to QRDBText6 bound to
// IOTA, Island, Call, Comment, Status and Prefix; the footer "Page" n and the date and time.
// The records hold the fields of islandListFields(), in reference order.
Report islandListReport(const QString& title, RecordSet records, const PageHeaderCaptions& header);

}  // namespace reports
