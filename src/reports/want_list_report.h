#pragma once

#include <QStringList>

#include "reports/render/report.h"

namespace reports {

// The want list QuickRep3 "Want List": a landscape page with 12 mm margins; on every page the
// header QRLabel33, 12 pt bold, centred; below it the text block QRMemo1, 9 pt, every line
// centred, wrapped when too long and continued on the next page.
Report wantListReport(const QString& QRLabel33, const QStringList& QRMemo1);

}  // namespace reports
