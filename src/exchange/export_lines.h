#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

// The lines of the checkpoint update file, composed from table values. Every value is written
// as it stands, except that a line break inside one becomes a blank: a value can never end its
// line early and pass the rest off to the checkpoint as a line of its own.

// The first line of the file: format name, two blanks, version.
inline constexpr const char* kUpdateFileHeader = "KAYROLL  2.07";

// What the owner lines are made of.
struct OwnerLineValues {
    QString ownerCallsign;         // read at start; written in capitals
    QString ownerDirectoryNo;      // read at start
    QString dateText;              // the date text of the export
    QHash<QString, QString> rows;  // the Value of each "Owner" row by its Name
};

// The owner lines "CALLSIGN " to "COMMENT2 ", the lines 2 to 23 of the file, in order.
QStringList ownerLines(const OwnerLineValues& values);

// The export word of an island record's status for the call column: its Call for "C" and "A",
// "DELETED" for "D", "NONE" for any other; nothing for "U", whose record gives no line.
std::optional<QString> exportWord(const QString& status, const QString& call);

// "ISLAND   ", the reference, a blank, the export word cut or filled to 14 characters, a blank
// and the comment (one blank for an empty one); nothing for an unallocated record.
std::optional<QString> islandLine(const QString& reference, const QString& status, const QString& call,
                                  const QString& comment);

// "AWARD    ", the name cut or filled to 13 characters, a blank and, unless the number is "NONE",
// the number to 5 characters, a blank and the issue date to 8; nothing for an award without a name.
std::optional<QString> awardLine(const QString& name, const QString& number, const QString& issued);

// Characters 1-2, 4-5 and 9-10 of the date-and-time text joined by "-": "05.03.2004 14:07:09"
// gives "05-03-04".
QString exportDateText(const QString& dateTimeText);
