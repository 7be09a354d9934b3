#pragma once

#include <QString>
#include <optional>

// The answer of the "Enter Status" dialog after a callsign was typed.
enum class StatusAnswer { Worked, Claim, Undo };

// Call and status of an island record.
struct CallAndStatus {
    QString call;
    QString status;
    bool operator==(const CallAndStatus&) const = default;
};

// What leaving the callsign field makes of the record. `typed` is the field's text, `saved` the
// call and status the record had when the field was entered; `answer` is asked only for a typed
// callsign and may be absent otherwise.
CallAndStatus callsignExit(const QString& typed, const CallAndStatus& saved, std::optional<StatusAnswer> answer);

// The checks of the status box when it is left; each warning applies only when its condition holds.
bool needsCallsignFirst(const CallAndStatus& record);
bool deletesCallsign(const CallAndStatus& record);

// The reference that "Jump to" shows for a typed number: the table's continent code, "-" and the
// number with at least three digits, for every number from 1 up to the table's record count; none
// for any other text.
std::optional<QString> jumpReference(const QString& typed, const QString& tableName, int recordCount);
