#pragma once

#include <QString>

namespace reports {

// The page header of the island lists and the printed summary, set once at start-up: at the
// left "Report for " and the owner's callsign, at the right "Directory number " and his number.
struct PageHeaderCaptions {
    QString left;
    QString right;
};

// The captions for the owner values read at start-up.
PageHeaderCaptions ownerPageHeader(const QString& ownerCallsign, const QString& ownerDirectoryNo);

}  // namespace reports
