#pragma once

#include <QString>

// Award lines of the member file: the k-th award line in file order belongs to the "Awards"
// record whose No is k.

inline constexpr const char* kAwardKindText = "AWARD    ";

// The fields of an "Awards" record that an award line carries.
struct AwardColumns {
    QString name;    // characters 10-23, trailing blanks and control characters removed
    QString number;  // characters 24-30, likewise
    QString issued;  // characters 31-39, unchanged
    QString title;   // characters 40 to the end, unchanged
    bool operator==(const AwardColumns&) const = default;
};

AwardColumns readAwardLine(const QString& line);
