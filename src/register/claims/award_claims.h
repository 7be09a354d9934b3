#pragma once

#include <QString>
#include <QStringList>

class Clock;

// The award numbers of awards not yet issued: claimed by the user, or not claimed.
inline const QString kClaimNumber = QStringLiteral("CLAIM");
inline const QString kNoneNumber = QStringLiteral("NONE");
// The issue date of an award that has none.
inline const QString kNoIssueDate = QStringLiteral("XXXXXXXX");

// The awards the claim view lists: those not yet issued.
inline const QString kClaimViewFilter = QStringLiteral("Award_number = 'NONE' or Award_number ='CLAIM'");

// The items of the award number box of the claim view, in their order.
QStringList claimItems();

// The claim date "dd-MM-yy" cut out of the date-and-time text "dd.MM.yyyy HH:mm:ss": characters
// 1-2, 4-5 and 9-10, the eight characters of the date column of the checkpoint update file.
QString claimDateText(const QString& dateTimeText);

// What a choice in the claim view stores in the award's record.
struct AwardClaim {
    QString Award_number;
    QString Award_issued;
    bool operator==(const AwardClaim&) const = default;
};

// "NONE" stores "NONE" and no issue date; any other choice stores itself and today's claim date.
AwardClaim awardClaim(const QString& chosenItem, const Clock& clock);
