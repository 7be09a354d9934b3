#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "register/store/table_names.h"

// A continent of the award programme and its island table; the code is characters 6-7 of
// the table name.
struct Continent {
    QString code;
    QString tableName;
    QString name;
};

// The seven continents in the order every command works through them: AF, AN, AS, EU, NA, OC, SA.
const std::array<Continent, 7>& continents();

// The continent whose code is given, or nullptr.
const Continent* continentByCode(const QString& code);

// The tables counted at start-up, in the order of the start counts: the seven island tables, then "Awards".
QStringList startCountTables();

// Status codes of an island record.
namespace status {
inline const QString Needed = QStringLiteral("-");
inline const QString Worked = QStringLiteral("W");
inline const QString Claimed = QStringLiteral("C");
inline const QString Approved = QStringLiteral("A");
inline const QString Deleted = QStringLiteral("D");
inline const QString Unallocated = QStringLiteral("U");
}  // namespace status

// Group codes of the field ABW.
namespace group {
inline const QString Arctic = QStringLiteral("A");
inline const QString BritishIsles = QStringLiteral("B");
inline const QString WestIndies = QStringLiteral("W");
inline const QString None;  // a reference of no group award
// The four codes.
bool isGroupCode(const QString& code);
}  // namespace group
