#include "register/editing_rules.h"

#include <QRegularExpression>

#include "register/codes.h"

CallAndStatus callsignExit(const QString& typed, const CallAndStatus& saved, std::optional<StatusAnswer> answer) {
    if (typed.isEmpty()) {
        // An unallocated number keeps no callsign, whatever it held.
        if (saved.status == status::Unallocated) return {QString(), status::Unallocated};
        return saved;
    }
    switch (answer.value_or(StatusAnswer::Undo)) {
        case StatusAnswer::Worked:
            return {typed, status::Worked};
        case StatusAnswer::Claim:
            return {typed, status::Claimed};
        case StatusAnswer::Undo:
            break;
    }
    return saved;
}

bool needsCallsignFirst(const CallAndStatus& record) {
    return (record.status == status::Worked || record.status == status::Claimed) && record.call.isEmpty();
}

bool deletesCallsign(const CallAndStatus& record) {
    return record.status == status::Needed && !record.call.isEmpty();
}

std::optional<QString> jumpReference(const QString& typed, const QString& tableName, int recordCount) {
    // A whole number: an optional sign and digits only (toInt alone would also take blanks).
    static const QRegularExpression wholeNumber(QStringLiteral("^[+-]?[0-9]+$"));
    bool fits = false;
    const int number = typed.toInt(&fits);
    if (!wholeNumber.match(typed).hasMatch() || !fits || number < 1 || number > recordCount) return std::nullopt;
    return tableName.mid(5, 2) + u'-' + QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
}
