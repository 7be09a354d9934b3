#include "exchange/line_format.h"

#include <gtest/gtest.h>

#include <climits>
#include "support/qt_printers.h"

namespace {

TEST(LineFormat, ColumnsYieldOnlyTheCharactersThatExist) {
    const QString line = "ISLAND   EU-005 G3ABC";
    EXPECT_EQ(columnText(line, {10, 6}), "EU-005");
    EXPECT_EQ(columnText(line, {17, 15}), "G3ABC") << "a column running past the end is cut short";
    EXPECT_EQ(columnText(line, {32, 10}), "") << "a column wholly beyond the end is empty";
    EXPECT_EQ(columnText(line, {1000000, 0}), "");
    EXPECT_EQ(columnText(line, {17, 0}), "G3ABC") << "width 0 runs to the end";
    EXPECT_EQ(columnText(line, {0, 5}), "") << "a column the layout does not have";
    EXPECT_EQ(columnText(QString(), {1, 9}), "");
}

TEST(LineFormat, KeywordColumnIsNineCharacters) {
    EXPECT_EQ(keywordColumn("NAME"), "NAME     ");
    EXPECT_EQ(keywordColumn("CALLSIGN"), "CALLSIGN ");
    EXPECT_EQ(keywordColumn("PREVCALL "), "PREVCALL ");
}

TEST(LineFormat, ScanTextMatchesTheKeywordColumnOnly) {
    const QStringList lines = {
        "",
        "CERTNAME Mr J. Smith, G3ABC",
        "COMMENT1 NAME     is not a keyword here",
        "NAME     John Smith  ",
        "NAME     Second line ignored",
        "name     lower case is another keyword",
        "NAMES    a longer keyword",
        "FAX",
        "  EMAIL  indented",
        "PREVCALL G3AAA G3BBB ",
    };
    EXPECT_EQ(scan_text("NAME", lines), "John Smith  ") << "first line whose keyword column is NAME, value unchanged";
    EXPECT_EQ(scan_text("CERTNAME", lines), "Mr J. Smith, G3ABC");
    EXPECT_EQ(scan_text("FAX", lines), "") << "a line cut after its keyword has an empty value";
    EXPECT_EQ(scan_text("EMAIL", lines), "") << "the keyword must stand in characters 1-9";
    EXPECT_EQ(scan_text("PREVCALL ", lines), "G3AAA G3BBB ");
    EXPECT_EQ(scan_text("PREVCALL", lines), "G3AAA G3BBB ");
    EXPECT_EQ(scan_text("HPHONE", lines), "");
    EXPECT_EQ(scan_text("", lines), "");
    EXPECT_EQ(scan_text("NAME", {}), "");
}

TEST(LineFormat, KindSearchFindsTheKindTextAnywhereWithoutLimit) {
    QStringList lines = {"ISLAND   EU-005 G3ABC", "AI       EU-001", "xISLAND   EU-007", "ISLAND   AF-001",
                         "ISLAND  EU-009"};
    for (int i = 0; i < 600; ++i) lines << QString("ISLAND   EU-%1").arg(i % 1000, 3, 10, QChar('0'));
    const TextLines found = findKindLines(lines, "ISLAND   EU-");
    ASSERT_EQ(found.size(), 602) << "no cap at 500";
    EXPECT_EQ(found[0], "ISLAND   EU-005 G3ABC");
    EXPECT_EQ(found[1], "xISLAND   EU-007");
    EXPECT_TRUE(findKindLines(lines, "WI       SA-").isEmpty());
}

TEST(LineFormat, NumbersRule) {
    const QList<QPair<QString, int>> cases = {
        {"3", 3},
        {"   42", 42},
        {"+7", 7},
        {"-12", -12},
        {"12abc", 12},
        {"0017", 17},
        {"", 0},
        {"abc", 0},
        {"  -", 0},
        {" 1 2", 1},
        {"\t5", 0},
        {"99999999999999", INT_MAX},
        {"-99999999999999", INT_MIN},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
    };
    for (const auto& [text, number] : cases) EXPECT_EQ(readNumber(text), number) << '"' << text.toStdString() << '"';
}

TEST(LineFormat, FixedWidthAndTrimming) {
    EXPECT_EQ(fixedWidth("NONE", 14), "NONE          ");
    EXPECT_EQ(fixedWidth("VP8/G3ABCDEFGHIJ", 14), "VP8/G3ABCDEFGH");
    EXPECT_EQ(fixedWidth("", 3), "   ");
    EXPECT_EQ(trimmedRight("IOTA 100  \t\x01"), "IOTA 100");
    EXPECT_EQ(trimmedRight("  a b "), "  a b");
    EXPECT_EQ(trimmedRight("   "), "");
}

}  // namespace
