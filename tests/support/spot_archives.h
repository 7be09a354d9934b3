#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>
#include <vector>

#include "cluster/spot_line.h"

// A line of a real spot archive with the fields its own layout gives, read here by that layout
// (TABs, or the archive's fixed columns) and not by the reader under test.
struct ArchivedSpot {
    int lineNumber;
    QString line;
    Spot fields;
    QStringList references;  // what a loose look for references finds in the comment field
};

// The ZC4UW archive: "DX de CALL:" padded, then TAB-separated frequency, DX call, comment and
// "yyyy-MM-dd HH:MM". Empty when the file is absent.
std::vector<ArchivedSpot> tabSeparatedArchive(const QString& path);

// The VP2MUW archive: fixed columns, the DX call from column 26, the comment from 36 (cut at
// 30 characters) and "yyyy-MM-dd HH:MM:SS" from 66.
std::vector<ArchivedSpot> fixedColumnArchive(const QString& path);

// The spot as DXSpider sends it: "DX de " and the spotter with its colon in 9 columns, the
// frequency in 8 with one decimal, two blanks, the DX call in 12, the comment in 30, the time.
QString nodeSpotLine(const Spot& spot);

// The frequency as that line writes it: "18075.0".
QString nodeFrequency(const Spot& spot);

// A spot in a failure message: its fields between bars.
void PrintTo(const Spot& spot, std::ostream* out);

// The spots of both real archives (none where they are absent).
std::vector<ArchivedSpot> realArchivedSpots();

// What a node sends on connecting before it asks for the call: telnet offers (echo, suppress
// go-ahead) and a line of greeting.
extern const QByteArray kNodeGreeting;

// A logged-in session as a DXSpider node sends it with SET/BEEP: greeting lines and the prompt,
// then the spots as nodeSpotLine lays them out, every third with two bells, and among them
// announcements, WWV and WCY reports, talk, a blank line and a telnet no-operation; CR LF ends.
QByteArray nodeSession(const std::vector<Spot>& spots);
