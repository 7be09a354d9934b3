// The lines a node sends, made by hand after the layouts of DXSpider, CC Cluster, AR-Cluster, the
// Reverse Beacon Network and the spot archives: every spot read with its fields wherever they
// stand, every other line told apart and set aside.
#include <gtest/gtest.h>

#include "cluster/node_line.h"
#include "support/qt_printers.h"

namespace {

struct SpotCase {
    const char* what;
    QString line;
    Spot spot;
};

Spot spot(const char* spotter, const char* frequency, const char* dxCall, const char* comment, const char* time,
          const char* date = "", const char* locator = "") {
    return {spotter, frequency, QString::fromLatin1(frequency).toDouble(), dxCall, comment, time, date, locator};
}

void expectSpots(const std::vector<SpotCase>& cases) {
    for (const SpotCase& c : cases) {
        const NodeLine read = readNodeLine(c.line);
        EXPECT_EQ(read.kind, NodeLineKind::Spot) << c.what;
        EXPECT_EQ(read.spot.spotter, c.spot.spotter) << c.what;
        EXPECT_EQ(read.spot.frequency, c.spot.frequency) << c.what;
        EXPECT_DOUBLE_EQ(read.spot.kHz, c.spot.kHz) << c.what;
        EXPECT_EQ(read.spot.dxCall, c.spot.dxCall) << c.what;
        EXPECT_EQ(read.spot.comment, c.spot.comment) << c.what;
        EXPECT_EQ(read.spot.time, c.spot.time) << c.what;
        EXPECT_EQ(read.spot.date, c.spot.date) << c.what;
        EXPECT_EQ(read.spot.locator, c.spot.locator) << c.what;
    }
}

TEST(NodeLine, DxDeLinesReadWhereverTheirFieldsStand) {
    expectSpots({
        {"DXSpider's columns", "DX de CT3FW:     21004.8  TA1HZ        up 2                           2132Z",
         spot("CT3FW", "21004.8", "TA1HZ", "up 2", "2132Z")},
        {"the spotter's locator after the time",
         "DX de G3ABC:     14025.0  VP2MUW       IOTA NA-103                    1206Z IO91",
         spot("G3ABC", "14025.0", "VP2MUW", "IOTA NA-103", "1206Z", "", "IO91")},
        {"the DX's zone over the comment's end and the spotter's after the time",
         "DX de K1ABC:     14025.0  JA1XYZ       Q:9 Z:5,14,15,40            14 0646Z 20",
         spot("K1ABC", "14025.0", "JA1XYZ", "Q:9 Z:5,14,15,40            14", "0646Z", "", "20")},
        {"a US state after the time", "DX de W1AW:      7025.0  KH6XX        cq                             0014Z ID",
         spot("W1AW", "7025.0", "KH6XX", "cq", "0014Z", "", "ID")},
        {"a long spotter moving the frequency right",
         "DX de DL1ABC-2-#: 14025.0  OH0XX        CW 22 dB 24 WPM CQ             1200Z",
         spot("DL1ABC-2-#", "14025.0", "OH0XX", "CW 22 dB 24 WPM CQ", "1200Z")},
        {"a 10 GHz frequency eating the blanks after the colon",
         "DX de DL6NAA: 10368887.0  DL7VTX/B     JO62QM<>JO50VI tropo           1423Z",
         spot("DL6NAA", "10368887.0", "DL7VTX/B", "JO62QM<>JO50VI tropo", "1423Z")},
        {"no colon after the spotter", "DX de 9K2/K2SES  14205.0  A61Q         5/9                            1734Z",
         spot("9K2/K2SES", "14205.0", "A61Q", "5/9", "1734Z")},
        {"a blank before the colon", "DX de W4BEE :    18137.0  W4BEE        W4C/EM-066                     1818Z",
         spot("W4BEE", "18137.0", "W4BEE", "W4C/EM-066", "1818Z")},
        {"the frequency touching the colon", "DX de G3ABC:14025.0 EA8XX up 1 1200Z",
         spot("G3ABC", "14025.0", "EA8XX", "up 1", "1200Z")},
        {"a comment of the full width running into the time",
         "DX de K1ABC:     14025.0  VP2MUW       QSX 14028.5 IOTA NA103 LOOP ANT1206Z",
         spot("K1ABC", "14025.0", "VP2MUW", "QSX 14028.5 IOTA NA103 LOOP ANT", "1206Z")},
        {"a skimmer's two decimals and wide DX call",
         "DX de OE3KLU-#: 28187.90  OE3XAC         CW     5 dB  14 WPM  BEACON  0032Z",
         spot("OE3KLU-#", "28187.90", "OE3XAC", "CW     5 dB  14 WPM  BEACON", "0032Z")},
        {"two bells before the line end",
         "DX de G3ABC:     14025.0  VP2MUW       IOTA NA-103                    1206Z\a\a",
         spot("G3ABC", "14025.0", "VP2MUW", "IOTA NA-103", "1206Z")},
        {"an escape sequence in the comment",
         "DX de G3ABC:     14025.0  VP2MUW       \x1b[2J\x1b]0;owned\a IOTA NA-103        1206Z",
         spot("G3ABC", "14025.0", "VP2MUW", "[2J ]0;owned IOTA NA-103", "1206Z")},
        {"DEL bytes a backspace key left",
         "DX de G7VJR:     24896.0  ZC4UW        m\x7fop m09\x7f\x7f\x7f           1136Z",
         spot("G7VJR", "24896.0", "ZC4UW", "mop m09", "1136Z")},
        {"a line cut after the DX call", "DX de SMS:       28385.0  TF3EK", spot("SMS", "28385.0", "TF3EK", "", "")},
        {"no comment", "DX de G3ABC:     14025.0  VP2MUW                                      1206Z",
         spot("G3ABC", "14025.0", "VP2MUW", "", "1206Z")},
        {"a TAB-separated archive line",
         "DX de N5RP:    \t7140\tZC4UW\tQSX 7150 IOTA AS004 Cyprus    \t2020-01-02 21:55",
         spot("N5RP", "7140", "ZC4UW", "QSX 7150 IOTA AS004 Cyprus", "2155Z", "2020-01-02")},
        {"a fixed-width archive line whose comment runs into the date",
         "DX de EA2BV:     7048.5   VP2MUW    5N9 Cambridge University Wirel2018-11-18 02:20:00",
         spot("EA2BV", "7048.5", "VP2MUW", "5N9 Cambridge University Wirel", "0220Z", "2018-11-18")},
        {"a time that is no time is part of the comment", "DX de G3ABC:     14025.0  VP2MUW       listen 9960Z",
         spot("G3ABC", "14025.0", "VP2MUW", "listen 9960Z", "")},
    });
}

TEST(NodeLine, ShowDxAnswersReadAsSpots) {
    expectSpots({
        {"DXSpider, the day blank-padded", "  14025.0 JA1XYZ       4-Oct-2018 1234Z IOTA AS-007 up 2           <G3ABC>",
         spot("G3ABC", "14025.0", "JA1XYZ", "IOTA AS-007 up 2", "1234Z", "2018-10-04")},
        {"CC Cluster, the day zero-padded", "14025.0  JA1XYZ      04-Dec-2023 0014Z  CQ up 2 <W3LPL>",
         spot("W3LPL", "14025.0", "JA1XYZ", "CQ up 2", "0014Z", "2023-12-04")},
        {"a comment touching the spotter", " 7025.0 EA8XX       12-Jan-2024 2359Z as far as I can tell<K1ABC-#>",
         spot("K1ABC-#", "7025.0", "EA8XX", "as far as I can tell", "2359Z", "2024-01-12")},
    });
}

TEST(NodeLine, OtherLinesAreToldApartAndSetAside) {
    const struct {
        QString line;
        NodeLineKind kind;
    } cases[] = {
        {"To ALL de G3ABC: net on 3.760 tonight\a\a", NodeLineKind::Announcement},
        {"G3ABC de K1ABC: are you on 20m?", NodeLineKind::Announcement},
        {"WWV de W0MU <18>:   SFI=68, A=4, K=1, No Storms -> No Storms\a\a", NodeLineKind::SolarReport},
        {"WCY de DK0WCY-1 <18> : K=2 expK=2 A=8 R=0 SFI=70 SA=qui GMF=qui Au=no", NodeLineKind::SolarReport},
        {"G3ABC de GB7DJK  4-Oct-2018 1234Z dxspider >", NodeLineKind::Prompt},
        {"G3ABC de NC7J 04-Dec-2023 0014Z   CCC >", NodeLineKind::Prompt},
        {"G3ABC de RELAY 04-Oct-2018 12:34Z >", NodeLineKind::Prompt},
        {"login: ", NodeLineKind::CallQuestion},
        {"Please enter your call: ", NodeLineKind::CallQuestion},
        {"password: ", NodeLineKind::PasswordQuestion},
        {"Please enter your name:", NodeLineKind::OtherQuestion},
        {"Is your name John? (Y or N) >", NodeLineKind::OtherQuestion},
        {"Sorry G3ABC is an invalid callsign", NodeLineKind::Refusal},
        {"", NodeLineKind::Blank},
        {"\a\a", NodeLineKind::Blank},
        {"Hello John, this is GB7DJK in Cambridge, UK", NodeLineKind::Text},
        {"running DXSpider V1.57 build 540", NodeLineKind::Text},
        {"Date        Hour   SFI   A   K Forecast                               Logger", NodeLineKind::Text},
        {"CC11^14025.0^JA1XYZ^ 4-Oct-2018^1234Z^cq^G3ABC^339^223^GB7DJK^45^25^27^14^^^Japan^England^^IO91",
         NodeLineKind::Text},
        {"DX de G3ABC: nothing to spot here", NodeLineKind::Text},
        {"14025.0  JA1XYZ      04-Dec-2023 0014Z  CQ up 2 <W3LPL and friends>", NodeLineKind::Text},
        {"DX de G3ABC:     14025.0", NodeLineKind::Text},
    };
    for (const auto& c : cases) EXPECT_EQ(readNodeLine(c.line).kind, c.kind) << c.line.toStdString();
}

}  // namespace
