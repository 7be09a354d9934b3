#include "logimport/upf_decision.h"

#include <array>

#include "register/codes.h"

namespace {

struct Decision {
    QString recordStatus;
    bool writtenWhenWorked;
    bool writtenWhenClaimed;
};

// The statuses that an import leaves alone in at least one mode; any other is written.
const std::array<Decision, 3>& decisions() {
    static const std::array<Decision, 3> table{{
        {status::Claimed, false, false},
        {status::Approved, false, false},
        {status::Worked, false, true},
    }};
    return table;
}

}  // namespace

std::optional<QString> upfStatusToWrite(const QString& recordStatus, ImportMode mode) {
    bool written = true;
    for (const Decision& decision : decisions())
        if (decision.recordStatus == recordStatus)
            written = mode == ImportMode::Worked ? decision.writtenWhenWorked : decision.writtenWhenClaimed;
    if (!written) return std::nullopt;
    return mode == ImportMode::Worked ? status::Worked : status::Claimed;
}
