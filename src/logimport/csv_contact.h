#pragma once

#include <QString>

// The marker by which a line of the headquarters' CSV file belongs to a continent: a double
// quote, the continent code and a dash ("AF- for Africa), anywhere in the line.
QString csvContinentMarker(const QString& continentCode);

// What one contact line sets in its record.
struct CsvContact {
    QString reference;
    QString callsign;
    QString status;
};

// Reads a contact line by position: the reference is characters 2-7, unchanged; the callsign
// is characters 11-30 up to the first double quote among them; the status is "D" when the line
// holds "DELETED", else "A" when it holds "Accepted", else "-". A short line gives what exists.
CsvContact readCsvContact(const QString& line);
