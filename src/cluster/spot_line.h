#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// One spot as a DX cluster node reports it.
struct Spot {
    QString spotter;    // who spotted, without the colon
    QString frequency;  // in kHz as the node wrote it: "14025.0", "18075", "28187.90"
    double kHz = 0;
    QString dxCall;
    QString comment;  // trimmed; a TAB inside stands as a blank
    QString time;     // "HHMMZ" in UTC; empty when the line was cut before it
    QString date;     // "yyyy-MM-dd" where the line gives one (spot archives, sh/dx answers)
    QString locator;  // what a node puts after the time: the spotter's locator, US state or zone

    bool operator==(const Spot&) const = default;
};

// Reads a "DX de" line: "DX de", the spotter, the frequency, the DX call, the comment, the time
// "HHMMZ" and an optional locator. The words are found between blanks, not at fixed columns,
// since long calls, skimmer feeds and archives all shift them: a missing colon or a blank before
// it, TABs between the fields, a comment running into the time, a line cut after the DX call,
// and the archives' "yyyy-MM-dd HH:MM[:SS]" in place of the time are all read. Nothing when the
// line is no "DX de" line with a frequency and a DX call.
std::optional<Spot> readDxDeLine(QStringView line);

// Reads an answer line of "sh/dx": frequency, DX call, date "d-Mon-yyyy" (the day blank- or
// zero-padded), time "HHMMZ", the comment and the spotter in angle brackets at the end. Nothing
// when the line has not that shape.
std::optional<Spot> readShowDxLine(QStringView line);
