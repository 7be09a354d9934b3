#pragma once

#include <QStringView>

#include "cluster/spot_line.h"

// What a line a DX cluster node sends to a telnet user is.
enum class NodeLineKind {
    Spot,              // a "DX de" line or an answer line of sh/dx
    Announcement,      // "To ALL de G3ABC: ...", talk and chat ("G3ABC de K1ABC: ...")
    SolarReport,       // "WWV de ..." and "WCY de ..."
    Prompt,            // "G3ABC de GB7DJK  4-Oct-2018 1234Z dxspider >"
    CallQuestion,      // "login:", "Please enter your call:"
    PasswordQuestion,  // "password:"
    OtherQuestion,     // a name, or a "(Y or N) >" confirmation, asked of a new user
    Refusal,           // "Sorry G3ABC is an invalid callsign"
    Blank,
    Text,  // greetings, the message of the day, command answers
};

struct NodeLine {
    NodeLineKind kind = NodeLineKind::Text;
    Spot spot;  // for a Spot
};

// Tells what a line is. BEL and DEL bytes in it are passed over and other control characters (an
// escape sequence) read as blanks, so no field of a spot holds one.
NodeLine readNodeLine(QStringView line);

// The kind of a question a node asks without ending its line ("login: "), or Text when the text
// asks nothing.
NodeLineKind questionKind(QStringView text);
