#include "reports/report_layouts.h"

namespace reports {

QString ownerCaption(const QString& callsign) {
    return QStringLiteral("Report for ") + callsign;
}

QString directoryCaption(const QString& directoryNo) {
    return QStringLiteral("Directory number ") + directoryNo;
}

}  // namespace reports
