#include "register/claims/award_claims.h"

#include "base/clock.h"

QStringList claimItems() {
    return {kClaimNumber, kNoneNumber};
}

QString claimDateText(const QString& dateTimeText) {
    return QStringList{dateTimeText.mid(0, 2), dateTimeText.mid(3, 2), dateTimeText.mid(8, 2)}.join(u'-');
}

AwardClaim awardClaim(const QString& chosenItem, const Clock& clock) {
    if (chosenItem == kNoneNumber) return {kNoneNumber, kNoIssueDate};
    return {chosenItem, claimDateText(dateTimeText(clock))};
}
