#include "exchange/owner_lines.h"

#include <gtest/gtest.h>

#include "base/failure.h"
#include "support/qt_printers.h"

namespace {

QHash<QString, QString> rowsOf(const QList<OwnerValue>& values) {
    QHash<QString, QString> rows;
    for (const OwnerValue& value : values) rows.insert(value.row, value.value);
    return rows;
}

TEST(OwnerLines, KeywordTableInUpdateFileOrder) {
    QStringList keywords;
    for (const OwnerKeyword& keyword : ownerKeywords()) keywords << keyword.keyword;
    EXPECT_EQ(keywords.join(' '),
              "CALLSIGN DIRNUM CHECKPT DATE NAME CERTNAME ADDRESS1 ADDRESS2 ADDRESS3 POSTTOWN COUNTY POSTCODE COUNTRY "
              "HPHONE WPHONE FAX EMAIL STATUS MODES PREVCALL COMMENT1 COMMENT2");
    EXPECT_EQ(ownerKeyword("DATE").row, "Last updated");
    EXPECT_EQ(ownerKeyword("POSTTOWN").row, "Town");
    EXPECT_THROW(ownerKeyword("ISLAND"), Failure);
}

TEST(OwnerLines, FlagNumberBothWays) {
    const QList<OwnerValue> three = flagValues(3);
    ASSERT_EQ(three.size(), 10);
    EXPECT_EQ(three[0], (OwnerValue{"RSGB Member", "Yes"}));
    EXPECT_EQ(three[1], (OwnerValue{"Short Wave Listener", "Yes"}));
    for (int i = 2; i < 10; ++i) EXPECT_EQ(three[i].value, "") << three[i].row.toStdString();
    EXPECT_EQ(three[9].row, "Don't show on listings");
    EXPECT_EQ(flagNumber(rowsOf(three)), 3);

    EXPECT_EQ(flagNumber(rowsOf(flagValues(1023))), 1023);
    EXPECT_EQ(flagNumber(rowsOf(flagValues(1024 + 16))), 16) << "bits beyond the ten flags are not kept";
    QHash<QString, QString> rows = rowsOf(flagValues(0));
    rows["Silent key"] = "yes";
    rows["Club Callsign"] = "YES";
    rows["Marked for delete"] = "Yes ";
    EXPECT_EQ(flagNumber(rows), 0) << "only an exact \"Yes\" sets a bit";
}

TEST(OwnerLines, ModeCodesBothWays) {
    const QList<QPair<int, QString>> read = {{0, "All modes"}, {1, "CW"},        {2, "SSB"},       {3, "All modes"},
                                             {4, "DATA"},      {5, "All modes"}, {-1, "All modes"}};
    for (const auto& [code, endorsement] : read) EXPECT_EQ(modeEndorsement(code), endorsement) << code;
    const QList<QPair<QString, int>> written = {{"All modes", 0}, {"CW", 1},   {"SSB", 2},  {"Data", 3},
                                                {"DATA", 3},      {"data", 0}, {"RTTY", 0}, {"", 0}};
    for (const auto& [endorsement, code] : written) EXPECT_EQ(modeCode(endorsement), code) << endorsement.toStdString();
}

TEST(OwnerLines, PreviousCallsignSplit) {
    const QList<QPair<QString, QStringList>> cases = {
        {"", {"", "", "", ""}},
        {"G3AAA G3BBB G3CCC G3DDD G3EEE G3FFF G3GGG G3HHH ",
         {"G3AAA G3BBB", "G3CCC G3DDD", "G3EEE G3FFF", "G3GGG G3HHH"}},
        // Three callsigns each followed by a blank, then five more blanks.
        {"G3AAA G3BBB G3CCC      ", {"G3AAA G3BBB", "G3CCC", " ", " "}},
        // One callsign padded for the seven missing ones: the later rows get a single blank.
        {"G3AAA        ", {"G3AAA", " ", " ", " "}},
        {"G3AAA G3BBB G3CCC ", {"G3AAA G3BBB", "G3CCC", "", ""}},
        // A last callsign with no blank after it is kept.
        {"G3AAA", {"G3AAA", "", "", ""}},
        {"G3AAA G3BBB G3CCC", {"G3AAA G3BBB", "G3CCC", "", ""}},
        {"A B C D E F G H I J ", {"A B", "C D", "E F", "G H"}},
    };
    for (const auto& [value, rows] : cases)
        EXPECT_EQ(splitPreviousCalls(value), rows) << '"' << value.toStdString() << '"';
}

TEST(OwnerLines, PreviousCallsignJoin) {
    auto join = [](const QStringList& values) {
        QHash<QString, QString> rows;
        for (int i = 0; i < 4; ++i) rows.insert(previousCallRows()[i], values[i]);
        return joinPreviousCalls(rows);
    };
    EXPECT_EQ(join({"G3AAA G3BBB", "G3CCC", " ", " "}), "G3AAA G3BBB G3CCC ");
    EXPECT_EQ(join({"A B", "C D", "E F", "G H"}), "A B C D E F G H") << "the last row has no blank after it";
    EXPECT_EQ(join({"", "C", "", "G"}), "C G");
    EXPECT_EQ(join({"", "", "", ""}), "");
}

TEST(OwnerLines, MissingStatusAndModesLinesClearFlagsAndGiveAllModes) {
    const QStringList lines = {"CALLSIGN G3ABC", "STATUS   3", "MODES    1", "PREVCALL G3X G3Y "};
    EXPECT_EQ(readOwnerValues(ownerKeyword("CALLSIGN"), lines), (QList<OwnerValue>{{"Callsign", "G3ABC"}}));
    EXPECT_EQ(rowsOf(readOwnerValues(ownerKeyword("STATUS"), lines)).value("Short Wave Listener"), "Yes");
    EXPECT_EQ(readOwnerValues(ownerKeyword("MODES"), lines), (QList<OwnerValue>{{"Mode endorsement", "CW"}}));
    EXPECT_EQ(readOwnerValues(ownerKeyword("PREVCALL"), lines),
              (QList<OwnerValue>{
                  {"Other Calls1", "G3X G3Y"}, {"Other Calls2", ""}, {"Other Calls3", ""}, {"Other Calls4", ""}}));

    EXPECT_EQ(rowsOf(readOwnerValues(ownerKeyword("STATUS"), {})), rowsOf(flagValues(0)));
    EXPECT_EQ(readOwnerValues(ownerKeyword("MODES"), {}), (QList<OwnerValue>{{"Mode endorsement", "All modes"}}));
    EXPECT_EQ(readOwnerValues(ownerKeyword("NAME"), {}), (QList<OwnerValue>{{"Name", ""}}));
}

// The flags follow the ten low bits of the number as written, however long it is.
TEST(OwnerLines, StatusNumbersOfAnySizeSetTheirLowBits) {
    const struct {
        const char* line;
        int flags;
    } rows[] = {
        {"STATUS   4294967297", 1},               // 2^32 + 1: "RSGB Member" only
        {"STATUS   2147483648", 0},               // 2^31, one past the int range
        {"STATUS   99999999999999999999", 1023},  // its remainder by 1024
        {"STATUS   -1", 1023},                    // every bit of the two's complement
        {"STATUS   -1024", 0},
        {"STATUS    +130x", 130},
    };
    for (const auto& row : rows)
        EXPECT_EQ(rowsOf(readOwnerValues(ownerKeyword("STATUS"), {row.line})), rowsOf(flagValues(row.flags)))
            << row.line;
}

}  // namespace
