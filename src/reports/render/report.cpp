#include "reports/render/report.h"

#include <array>

namespace reports {

const ReportBand* Report::band(BandType type) const {
    for (const ReportBand& candidate : bands)
        if (candidate.type == type) return &candidate;
    return nullptr;
}

const ReportLabel* Report::label(const QString& name) const {
    for (const ReportBand& candidate : bands)
        for (const ReportLabel& labelOfBand : candidate.labels)
            if (labelOfBand.name == name) return &labelOfBand;
    return nullptr;
}

QString bandTypeName(BandType type) {
    static const std::array<QString, 6> names{"page header", "title",   "column header",
                                              "detail",      "summary", "page footer"};
    return names[static_cast<size_t>(type)];
}

}  // namespace reports
