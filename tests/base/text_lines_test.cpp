#include <gtest/gtest.h>

#include <string_view>

#include "base/text_lines.h"

namespace {

constexpr std::u16string_view kText = u"ISLAND   EU-005 Sm\u00F8la\r\nCALLSIGN G3ABC\nx ISLAND   EU-006";

QByteArray utf16Bytes(std::u16string_view text) {
    return QByteArray(reinterpret_cast<const char*>(text.data()), qsizetype(2 * text.size()));
}

}  // namespace

// Lines held as a file's bytes are searched without decoding; the search must agree with the
// decoded line whatever the encoding, and a selection keeps the lines it names.
TEST(TextLines, SearchesAndSelectionsAgreeWithTheDecodedLines) {
    const struct {
        const char* what;
        TextLines lines;
    } cases[] = {
        {"UTF-8", *TextLines::ofFileBytes("ISLAND   EU-005 Sm\xC3\xB8la\r\nCALLSIGN G3ABC\nx ISLAND   EU-006")},
        {"Windows-1252", *TextLines::ofFileBytes("ISLAND   EU-005 Sm\xF8la\r\nCALLSIGN G3ABC\nx ISLAND   EU-006")},
        {"UTF-16", *TextLines::ofFileBytes(QByteArray("\xFF\xFE", 2) + utf16Bytes(kText))},
        {"strings", QStringList{"ISLAND   EU-005 Sm\u00F8la", "CALLSIGN G3ABC", "x ISLAND   EU-006"}},
    };
    for (const auto& [what, lines] : cases) {
        ASSERT_EQ(lines.toStringList(),
                  (QStringList{"ISLAND   EU-005 Sm\u00F8la", "CALLSIGN G3ABC", "x ISLAND   EU-006"}))
            << what;
        EXPECT_TRUE(lines.lineContains(2, QLatin1StringView("ISLAND   EU-"))) << what;
        EXPECT_FALSE(lines.lineContains(1, QLatin1StringView("ISLAND"))) << what;
        EXPECT_TRUE(lines.lineStartsWith(1, QLatin1StringView("CALLSIGN"))) << what;
        EXPECT_FALSE(lines.lineStartsWith(2, QLatin1StringView("ISLAND"))) << what;
        EXPECT_EQ(lines.selected({2, 0}).toStringList(), (QStringList{lines[2], lines[0]})) << what;
        EXPECT_EQ(lines.firstLineLongerThan(20), 1) << what << ": 21 characters, 22 bytes in UTF-8";
        EXPECT_EQ(lines.firstLineLongerThan(21), 0) << what;
    }
    EXPECT_EQ(TextLines({"a\nb", ""}).toStringList(), (QStringList{"a\nb", ""})) << "strings are kept as they are";
    EXPECT_FALSE(
        TextLines::ofFileBytes(QByteArray("\xFF\xFE"
                                          "a",
                                          3)))
        << "odd bytes after a UTF-16 mark";
}

// The pieces before a line's first blank tell words apart as their decoded texts do, non-ASCII
// ones too, in each encoding a file may have.
TEST(TextLines, PiecesBeforeACharacterAreEqualWhereTheirTextsAre) {
    constexpr std::u16string_view kWords =
        u"EU-005 G3ABC\r\nEU-005 K1\u00D8\rSm\u00F8la EU\nSm\u00F8la x\nSmola y\n nolead\nnoblank";
    const struct {
        const char* what;
        TextLines lines;
    } cases[] = {
        {"UTF-8", *TextLines::ofFileBytes(
                      "EU-005 G3ABC\r\nEU-005 K1\xC3\x98\rSm\xC3\xB8la EU\nSm\xC3\xB8la x\nSmola y\n nolead\nnoblank")},
        {"Windows-1252",
         *TextLines::ofFileBytes("EU-005 G3ABC\r\nEU-005 K1\xD8\rSm\xF8la EU\nSm\xF8la x\nSmola y\n nolead\nnoblank")},
        {"UTF-16", *TextLines::ofFileBytes(QByteArray("\xFF\xFE", 2) + utf16Bytes(kWords))},
        {"strings", QStringList{"EU-005 G3ABC", "EU-005 K1\u00D8", "Sm\u00F8la EU", "Sm\u00F8la x", "Smola y",
                                " nolead", "noblank"}},
    };
    for (const auto& [what, lines] : cases) {
        ASSERT_EQ(lines.size(), 7) << what;
        const auto piece = [&](qsizetype row) { return lines.linePieceBefore(row, ' '); };
        ASSERT_TRUE(piece(0) && piece(2) && piece(4)) << what;
        EXPECT_TRUE(*piece(0) == *piece(1)) << what;
        EXPECT_TRUE(*piece(2) == *piece(3)) << what;
        EXPECT_FALSE(*piece(2) == *piece(4)) << what << ": \"Sm\u00F8la\" is not \"Smola\"";
        EXPECT_FALSE(*piece(0) == *piece(2)) << what;
        EXPECT_TRUE(piece(5) && piece(5)->isEmpty()) << what << ": an empty piece before a leading blank";
        EXPECT_FALSE(piece(6)) << what << ": no blank, no piece";
    }
}
