#include <gtest/gtest.h>

#include "logimport/upf_line.h"

namespace {

struct NormalisationRow {
    const char* word;
    const char* code;
    const char* reference;
};

// The reference table of the AF pass, row by row, and the same forms in other passes.
constexpr NormalisationRow kNormalisation[] = {
    {"AF1", "AF", "AF-001"},   {"AF01", "AF", "AF-001"},     {"AF001", "AF", "AF-001"},   {"AF-1", "AF", "AF-001"},
    {"AF-01", "AF", "AF-001"}, {"AF-001", "AF", "AF-001"},   {"AF0001", "AF", "AF-0001"}, {"EU5", "EU", "EU-005"},
    {"OC-42", "OC", "OC-042"}, {"SA-006\t", "SA", "SA-006"}, {"XAF1", "AF", "AF-0F1"},    {"NA-15x", "NA", "NA-15x"},
};

TEST(UpfReferenceNormalisation, FillsTheNumberToThreeDigitsWithOrWithoutTheDash) {
    for (const NormalisationRow& row : kNormalisation)
        EXPECT_EQ(normaliseReference(row.word, row.code), QString(row.reference))
            << "word \"" << row.word << "\" in the " << row.code << " pass";
}

struct WordRow {
    const char* line;
    const char* word;
};

constexpr WordRow kWords[] = {
    {"AF-001 CALL1 comment", "AF-001"},
    {"AF001", ""},                         // no blank at all
    {" AF-001 CALL1", ""},                 // starts with a blank
    {"        ", ""},                      // only blanks
    {"AF-001\tCALL1 x", "AF-001\tCALL1"},  // only the blank separates words
    {"", ""},
};

TEST(UpfReferenceWord, EndsBeforeTheFirstBlankAndIsEmptyWithoutOne) {
    for (const WordRow& row : kWords)
        EXPECT_EQ(upfReferenceWord(row.line), QString(row.word)) << "line \"" << row.line << "\"";
}

struct SplitRow {
    const char* line;
    const char* callsign;
    const char* comment;
};

constexpr SplitRow kSplits[] = {
    {"AF-001 CALL1 first", "CALL1", "first"},
    {"AF-001 CALL1", "CALL1", ""},
    {"AF-001 CALL1\t\r", "CALL1", ""},
    {"AF-001    CALL2    two  words  \t", "CALL2", "two  words"},
    {"AF-001 CALL3 ", "CALL3", ""},
    {"AF001", "", ""},
    {"AF-001 ", "", ""},
};

TEST(UpfCallAndComment, TakesTheNextWordAndTrimsTheRest) {
    for (const SplitRow& row : kSplits) {
        const UpfContact contact = splitCallAndComment(row.line);
        EXPECT_EQ(contact.callsign, QString(row.callsign)) << "callsign of \"" << row.line << "\"";
        EXPECT_EQ(contact.comment, QString(row.comment)) << "comment of \"" << row.line << "\"";
    }
}

TEST(UpfCallAndComment, NoneAndDeletedAnywhereInTheCallsignMeanNoContact) {
    for (const char* callsign : {"NONE", "DELETED", "xNONEx", "DELETED1999"})
        EXPECT_TRUE(isNoContact(callsign)) << callsign;
    for (const char* callsign : {"none", "Deleted", "K1ABC", ""}) EXPECT_FALSE(isNoContact(callsign)) << callsign;
}

}  // namespace
