// Island references in spot comments as chasers write them, and the decoys a looser look would
// take for one.
#include <gtest/gtest.h>

#include "cluster/island_references.h"
#include "support/qt_printers.h"

namespace {

TEST(IslandReferences, FoundAsChasersWriteThem) {
    const struct {
        const char* comment;
        QStringList references;
    } cases[] = {
        {"IOTA AS004 Cyprus", {"AS-004"}},
        {"cq, up, as-004", {"AS-004"}},
        {"up, NA-103, Montserrat Isl.", {"NA-103"}},
        {"CQCQ NA103", {"NA-103"}},
        {"Iota Oc001", {"OC-001"}},
        {"IOTA NA 103", {"NA-103"}},
        {"iota: eu 005 tnx", {"EU-005"}},
        {"IOTA-EU005", {"EU-005"}},
        {"#AF-001!", {"AF-001"}},
        {"(SA-006)", {"SA-006"}},
        {"EU-005 and EU-115 same trip", {"EU-005", "EU-115"}},
        {"EU-005/EU-006", {"EU-005", "EU-006"}},
        {"EU-005 eu005 IOTA EU 005", {"EU-005"}},
        {"QSX 14028.5 IOTA AS004 Cyprus", {"AS-004"}},
        {"AN-016", {"AN-016"}},
        {"EU-999", {"EU-999"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(islandReferencesIn(QString::fromLatin1(c.comment)), c.references) << c.comment;
}

TEST(IslandReferences, DecoysNameNone) {
    const char* decoys[] = {
        "New DX NA 579",         // a signal report after a continent word
        "SA 73",                 // greetings
        "sa 1.5",                // a frequency step
        "tnx EU7F",              // a call
        "NA3F SA2AWO EU1EU",     // calls that begin with a continent code
        "SOTA W7A/NA-066",       // a summit reference holding one
        "W4C/EM-066",            // a summit of no continent
        "WCA DL-04051",          // castles
        "WWFF ONFF-0772",        // a flora and fauna reference
        "EU-000",                // no number
        "EU-1005",               // four digits
        "EU05 EU-05",            // two digits
        "XEU-005 EU-005X",       // inside a longer word
        "EU 005",                // a blank, and no IOTA before it
        "QSX 14025.0 1206Z",     // a frequency and a time
        "JO01 NA12ab IO91wm",    // locators
        "IOTA",                  // the bare word
        "ZZ-005 AX-005 EA-005",  // no continent
    };
    for (const char* decoy : decoys) EXPECT_TRUE(islandReferencesIn(QString::fromLatin1(decoy)).isEmpty()) << decoy;
}

}  // namespace
