#include "exchange/export_lines.h"

#include <gtest/gtest.h>

#include "exchange/owner_lines.h"
#include "support/qt_printers.h"

namespace {

TEST(ExportLines, IslandLinesByTheExportTable) {
    EXPECT_EQ(islandLine("EU-005", "A", "G3ABC", "QSL via bureau"), "ISLAND   EU-005 G3ABC          QSL via bureau");
    EXPECT_EQ(islandLine("EU-005", "C", "G3ABC", ""), "ISLAND   EU-005 G3ABC           ")
        << "an empty comment is one blank";
    EXPECT_EQ(islandLine("EU-005", "C", "G3ABC", "")->size(), 32);
    EXPECT_EQ(islandLine("EU-005", "W", "G3ABC", "x"), "ISLAND   EU-005 NONE           x");
    EXPECT_EQ(islandLine("EU-005", "-", "", "x"), "ISLAND   EU-005 NONE           x");
    EXPECT_EQ(islandLine("EU-005", "", "", "x"), "ISLAND   EU-005 NONE           x");
    EXPECT_EQ(islandLine("EU-005", "D", "G3ABC", "x"), "ISLAND   EU-005 DELETED        x");
    EXPECT_EQ(islandLine("EU-005", "U", "", "x"), std::nullopt);
    EXPECT_EQ(islandLine("EU-005", "A", "VP8/G3ABCDEFGHIJ", "x"), "ISLAND   EU-005 VP8/G3ABCDEFGH x")
        << "a call is cut to 14";
    EXPECT_EQ(islandLine("EU-005", "A", "G3ABC          ", "x"), "ISLAND   EU-005 G3ABC          x")
        << "the 15-character call column of a member file fits";
    EXPECT_EQ(exportWord("a", "G3X"), "NONE") << "letter case matters";
}

TEST(ExportLines, AwardLinesOf23And37Characters) {
    EXPECT_EQ(awardLine("IOTA 100", "NONE", "XXXXXXXX"), "AWARD    IOTA 100      ");
    EXPECT_EQ(awardLine("IOTA 100", "NONE", "XXXXXXXX")->size(), 23);
    EXPECT_EQ(awardLine("IOTA 100", "CLAIM", "05-03-04"), "AWARD    IOTA 100      CLAIM 05-03-04");
    EXPECT_EQ(awardLine("IOTA 100", "CLAIM", "05-03-04")->size(), 37);
    EXPECT_EQ(awardLine("IOTA Plaque of Excellence", "1234567", "05-03-2004"), "AWARD    IOTA Plaque o 12345 05-03-20")
        << "name cut to 13, number to 5, date to 8";
    EXPECT_EQ(awardLine("IOTA 100", "12", ""), "AWARD    IOTA 100      12" + QString(3 + 1 + 8, ' '));
    EXPECT_EQ(awardLine("", "123", "01-01-01"), std::nullopt);
}

TEST(ExportLines, DateTextTakesDayMonthAndYearDigits) {
    EXPECT_EQ(exportDateText("05.03.2004 14:07:09"), "05-03-04");
    EXPECT_EQ(exportDateText("31.12.2003 23:59:59"), "31-12-03");
    EXPECT_EQ(exportDateText("31.12"), "31-12-") << "never reads past the end";
}

TEST(ExportLines, OwnerLinesInFileOrder) {
    OwnerLineValues values{"g3abc", "1234", "05-03-04", {}};
    values.rows = {{"Callsign", "G9OTHER"},        {"Directory No", "9999"},
                   {"Checkpoint", "G3KMA Roger"},  {"Last updated", "01-01-04"},
                   {"Name", "John Smith"},         {"Town", "Leeds"},
                   {"County", "West Yorkshire"},   {"RSGB Member", "Yes"},
                   {"Short Wave Listener", "Yes"}, {"Silent key", "yes"},
                   {"Mode endorsement", "DATA"},   {"Other Calls1", "G3AAA G3BBB"},
                   {"Other Calls2", "G3CCC"},      {"Other Calls3", " "},
                   {"Other Calls4", " "},          {"Comments2", "two\r\nCALLSIGN G0EVIL"}};
    const QStringList expected = {
        "CALLSIGN G3ABC",  // the callsign read at start, in capitals
        "DIRNUM   1234",
        "CHECKPT  G3",
        "DATE     05-03-04",
        "NAME     John Smith",
        "CERTNAME ",
        "ADDRESS1 ",
        "ADDRESS2 ",
        "ADDRESS3 ",
        "POSTTOWN Leeds",
        "COUNTY   West Yorkshire",
        "POSTCODE ",
        "COUNTRY  ",
        "HPHONE   ",
        "WPHONE   ",
        "FAX      ",
        "EMAIL    ",
        "STATUS   3",
        "MODES    3",
        "PREVCALL G3AAA G3BBB G3CCC ",
        "COMMENT1 ",
        "COMMENT2 two  CALLSIGN G0EVIL",  // a line break inside a value never starts a line
    };
    const QStringList lines = ownerLines(values);
    ASSERT_EQ(lines.size(), expected.size());
    for (int i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "owner line " << i + 2;
}

}  // namespace
