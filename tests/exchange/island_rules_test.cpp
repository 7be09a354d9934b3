#include "exchange/island_rules.h"

#include <gtest/gtest.h>

#include "exchange/line_format.h"
#include "exchange/record_kinds.h"
#include "exchange_fixture.h"

namespace {

// A record written "Status|Call|Prefix|Island", so that each case fits on a line.
IslandRecord record(const QString& fields) {
    const QStringList parts = fields.split('|');
    return {parts[0], parts[1], parts[2], parts[3]};
}

struct RuleCase {
    const char* what;
    QString line;
    const char* before;
    const char* after;
};

void expectRules(const IslandLineFormat& format, const QList<RuleCase>& cases) {
    for (const RuleCase& rule : cases)
        EXPECT_EQ(applyIslandLine(format, rule.line, record(rule.before)), record(rule.after)) << rule.what;
}

QString island(const QString& call, const QString& prefix, const QString& name = "GB") {
    return memberIsland("EU-005", call, prefix, name);
}

TEST(IslandRules, MemberFileRulesRowByRow) {
    // The call column is taken whole, 15 characters; the prefix column 10.
    expectRules(
        memberIslandLines(),
        {
            {"DELETED in both columns", island("DELETED", "DELETED"), "W|G3W|G|x", "D|G3W|DELETED|DELETED"},
            {"NONE with Unallocate", island("NONE", "Unallocate"), "W|G3W|G|x", "U||Unallocate|GB"},
            {"DELETED with Unallocate", island("DELETED", "Unallocate", ""), "A|G3A|G|x", "U||Unallocate|"},
            {"NONE keeps a worked mark", island("NONE", "G"), "W|G3W|EA|x", "W|G3W|G         |GB"},
            {"NONE keeps a claim", island("NONE", "G"), "C|G3C||", "C|G3C|G         |GB"},
            {"DELETED alone is like NONE", island("DELETED", "G"), "C|G3C||", "C|G3C|G         |GB"},
            {"NONE makes an approved record needed", island("NONE", "G"), "A|G3A||", "-||G         |GB"},
            {"NONE revives a deleted record", island("NONE", "G"), "D|G3D||", "-||G         |GB"},
            {"a call approves a worked record", island("G3ABC", "G"), "W|G3W||", "A|G3ABC          |G         |GB"},
            {"a call approves a needed record", island("G3ABC", "G"), "-|||", "A|G3ABC          |G         |GB"},
            {"a call approves a deleted one", island("G3ABC", "DELETED"), "D|||", "A|G3ABC          |DELETED   |GB"},
            {"a call holding NONE is a status word", island("G3NONE", "G"), "W|G3W||", "W|G3W|G         |GB"},
            {"letter case matters", island("None", "G"), "W|G3W||", "A|None           |G         |GB"},
            {"a line cut in the call column", "ISLAND   EU-005 NON", "W|G3W||", "A|NON||"},
            {"a line cut after the reference", "ISLAND   EU-005", "W|G3W||", "A|||"},
        });
}

TEST(IslandRules, UpdateTextRulesRowByRow) {
    auto update = [](const QString& prefix, const QString& name = "GB") {
        return "ISLAND   EU-005 " + prefix.leftJustified(10) + "  " + name;
    };
    expectRules(updateIslandLines(),
                {
                    {"DELETED marks any record deleted", update("DELETED"), "A|G3A|G|GB", "D|G3A|DELETED|DELETED"},
                    {"worked keeps status and call", update("G"), "W|G3W||", "W|G3W|G         |GB"},
                    {"claimed keeps status and call", update("G"), "C|G3C||", "C|G3C|G         |GB"},
                    {"approved keeps status and call", update("G"), "A|G3A||", "A|G3A|G         |GB"},
                    {"deleted comes back needed", update("G"), "D|G3D||", "-||G         |GB"},
                    {"unallocated comes back needed", update("G"), "U|||", "-||G         |GB"},
                    {"an empty status becomes needed", update("G"), "|x||", "-||G         |GB"},
                    // A member file line read with the update text's columns: its call lands in Prefix.
                    {"member line", island("G3ABC", "G"), "-|||", "-||G3ABC     |   G         GB"},
                });
}

TEST(IslandRules, ColumnsOfBothLayouts) {
    const IslandColumns member =
        readIslandColumns(memberIsland("OC-001", "VK2ABC", "VK", "Australia"), memberIslandLines().layout);
    EXPECT_EQ(member.reference, "OC-001");
    EXPECT_EQ(member.call, "VK2ABC         ");
    EXPECT_EQ(member.prefix, "VK        ");
    EXPECT_EQ(member.name, "Australia");
    const IslandColumns update = readIslandColumns("ISLAND   OC-001 VK          Australia", updateIslandLines().layout);
    EXPECT_EQ(update.reference, "OC-001");
    EXPECT_EQ(update.call, "");
    EXPECT_EQ(update.prefix, "VK        ");
    EXPECT_EQ(update.name, "Australia");
}

TEST(RecordKinds, ThirteenKindsInReaderOrder) {
    QStringList texts;
    for (const RecordKind& kind : recordKinds()) {
        texts << kind.text;
        EXPECT_EQ(kind.text.size(), 12);
        EXPECT_EQ(kind.text.mid(9, 2), kind.continentCode);
        EXPECT_EQ(kind.tableName(), "IOTA-" + kind.continentCode);
    }
    EXPECT_EQ(texts.join('|'),
              "ISLAND   AF-|ISLAND   AN-|ISLAND   AS-|ISLAND   EU-|ISLAND   NA-|ISLAND   OC-|ISLAND   SA-|"
              "AI       EU-|AI       AS-|AI       NA-|BI       EU-|WI       NA-|WI       SA-");
    EXPECT_EQ(recordKinds()[10].group, "B");
    EXPECT_EQ(recordKinds()[12].group, "W");
    EXPECT_EQ(recordKinds()[12].tablePlace(), 6);
    EXPECT_EQ(recordKinds()[8].importCaption, "Importing AI Ref. (AS)");
    EXPECT_EQ(lineReference("BI       EU-005"), "EU-005");
    EXPECT_EQ(lineReference("BI       EU-0"), "EU-0");
}

TEST(RecordKinds, OnePassKindSearchGivesWhatThirteenSearchesGive) {
    const QStringList lines = {
        "ISLAND   EU-005 G3ABC",
        "AI       EU-001 AI       AS-001 two kinds on one line",
        "xxWI       SA-001 not at the start",
        "ISLAND   EU-005 ISLAND   EU-006 the same kind twice",
        "ISLAND   eu-005",
        "ISLAND  EU-005",
        "----------- ---------------",
        "BI       EU-",
        "BI       EU",
        "AWARD    IOTA-100",
        "",
    };
    const std::array<TextLines, 13> found = findRecordKindLines(lines);
    for (size_t k = 0; k < recordKinds().size(); ++k)
        EXPECT_EQ(found[k].toStringList(), findKindLines(lines, recordKinds()[k].text).toStringList())
            << recordKinds()[k].text.toStdString();
    EXPECT_EQ(found[3].size(), 2);
    EXPECT_EQ(found[8].toStringList(), QStringList{lines[1]});
}

}  // namespace
