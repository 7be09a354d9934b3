#include "reports/page_header.h"

namespace reports {

PageHeaderCaptions ownerPageHeader(const QString& ownerCallsign, const QString& ownerDirectoryNo) {
    return {QStringLiteral("Report for ") + ownerCallsign, QStringLiteral("Directory number ") + ownerDirectoryNo};
}

}  // namespace reports
