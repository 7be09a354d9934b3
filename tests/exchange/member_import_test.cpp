#include "exchange/member_import.h"

#include <gtest/gtest.h>

#include "base/failure.h"
#include "exchange/record_kinds.h"
#include "exchange_fixture.h"
#include "register/owner_table.h"

namespace {

const QString kOwnerCaption = "Importing owner data";

class MemberImport : public ExchangeTest {
protected:
    MemberImportResult importLines(const QStringList& lines, const StartCounts& counts) {
        Gauge gauge(recorder());
        return importMemberLines(database, table, lines, counts, gauge);
    }
    MemberImportResult importLines(const QStringList& lines) { return importLines(lines, startState().counts); }
};

TEST_F(MemberImport, AFileWithoutOwnerValuesEmptiesTheOwnerRowsWithTheExactGaugeSteps) {
    const QStringList names = folder.column("Owner", "Name");
    for (const QString& name : names) folder.setOwnerValue(name, "old");
    const QStringList awardsBefore = folder.column("Awards", "Award_number");
    const QStringList statusesBefore = folder.column("IOTA-EU", "Status");

    const MemberImportResult result = importMemberFile(
        database, table, writeFile("county.mbr", "COUNTY   not read\r\n"), startState().counts, recorder());
    EXPECT_EQ(result.ownerRows, 18 + 1 + 10 + 4);
    release();

    for (const QString& name : names) {
        const bool untouched = QStringList{"County", "Awards group", "Last exported"}.contains(name);
        const QString expected = untouched ? "old" : name == "Mode endorsement" ? "All modes" : "";
        EXPECT_EQ(folder.ownerValue(name), expected) << name.toStdString();
    }
    EXPECT_EQ(folder.column("Awards", "Award_number"), awardsBefore);
    EXPECT_EQ(folder.column("IOTA-EU", "Status"), statusesBefore);

    // 12 for the reading, the owner steps (zero steps show nothing new), 2 for the awards: 101, shown as 100.
    const QList<int> ownerSteps = {0,  6,  12, 15, 18, 21, 24, 25, 27, 30, 33, 36, 39, 42, 45, 48, 51,
                                   54, 57, 60, 63, 66, 69, 72, 75, 78, 81, 84, 89, 94, 97, 99, 100};
    EXPECT_EQ(percentsUnder(kOwnerCaption), ownerSteps);
    for (const RecordKind& kind : recordKinds())
        EXPECT_EQ(percentsUnder(kind.importCaption), (QList<int>{0, 2})) << "no lines of " << kind.text.toStdString();
}

TEST_F(MemberImport, AwardLineKGoesToTheRecordNumberedK) {
    const QStringList lines = {
        "AWARD    IOTA 100      12     01-02-03 IOTA 100 Islands",
        "CALLSIGN G3ABC",
        "AWARD    IOTA 200      NONE   XXXXXXXX",
        "AWARD    IOTA 300  \t   345  \x01 31-12-99 title  ",
    };
    EXPECT_EQ(importLines(lines).awardLines, 3);
    release();
    EXPECT_EQ(folder.column("Awards", "Award_name").mid(0, 4),
              (QStringList{"IOTA 100", "IOTA 200", "IOTA 300", "IOTA 400"}));
    EXPECT_EQ(folder.column("Awards", "Award_number").mid(0, 4), (QStringList{"12", "NONE", "345", "NONE"}));
    EXPECT_EQ(folder.column("Awards", "Award_issued")[0], "01-02-03 ");
    EXPECT_EQ(folder.column("Awards", "Award_title")[0], "IOTA 100 Islands");
    EXPECT_EQ(folder.column("Awards", "Award_issued")[2], "31-12-99 ");
    EXPECT_EQ(folder.column("Awards", "Award_title")[2], "title  ");
    EXPECT_EQ(folder.column("Awards", "Award_title")[1], "") << "a line ending after the date has no title";
}

TEST_F(MemberImport, AwardLinesWithoutARecordOrBeyondTheStartCountChangeNothing) {
    folder.execute("DELETE FROM \"Awards\" WHERE No = 2");
    StartCounts counts = startState().counts;
    counts[7] = 3;
    const QStringList lines = {"AWARD    A1", "AWARD    A2", "AWARD    A3", "AWARD    A4"};
    const MemberImportResult result = importLines(lines, counts);
    EXPECT_EQ(result.awardLines, 2);
    EXPECT_EQ(result.passedOver, 2);
    release();
    EXPECT_EQ(folder.column("Awards", "Award_name").mid(0, 4), (QStringList{"A1", "A3", "IOTA 400", "IOTA 500"}));
}

TEST_F(MemberImport, KindLinesBeyondTheStartCountArePassedOverButClimbTheGauge) {
    StartCounts counts = startState().counts;
    counts[0] = 2;  // "IOTA-AF" held two records at start
    const QStringList lines = {memberIsland("AF-001", "3B6AA", "3B6", "Agalega"),
                               memberIsland("AF-002", "FT5ZZ", "FT5Z", "Amsterdam"),
                               memberIsland("AF-003", "ZD8ZZ", "ZD8", "Ascension")};
    const MemberImportResult result = importLines(lines, counts);
    EXPECT_EQ(result.islandLines, 2);
    EXPECT_EQ(result.passedOver, 1);
    release();
    EXPECT_EQ(folder.column("IOTA-AF", "Status").mid(0, 3), (QStringList{"A", "A", "-"}));
    EXPECT_EQ(percentsUnder("Importing IOTA AF"), (QList<int>{0, 2, 35, 67, 100}));
}

TEST_F(MemberImport, AReferenceListedTwiceIsAppliedInFileOrder) {
    folder.execute("UPDATE \"IOTA-EU\" SET Status = 'W', Call = 'G3OLD', Comment = 'mine' WHERE IOTA = 'EU-005'");
    const QStringList lines = {
        memberIsland("EU-005", "NONE", "G", "Great Britain"), memberIsland("EU-001", "SV8ABC", "SV8", "Aegean"),
        memberIsland("EU-005", "G3NEW", "G", "Great Britain"), memberIsland("EU-001", "NONE", "SV8", "Aegean")};
    importLines(lines);
    release();
    const QStringList references = folder.column("IOTA-EU", "IOTA");
    const int eu005 = references.indexOf("EU-005");
    EXPECT_EQ(folder.column("IOTA-EU", "Status")[eu005], "A");
    EXPECT_EQ(folder.column("IOTA-EU", "Call")[eu005], "G3NEW          ");
    EXPECT_EQ(folder.column("IOTA-EU", "Comment")[eu005], "mine") << "comments are never touched";
    EXPECT_EQ(folder.column("IOTA-EU", "Status")[0], "-") << "approved, then listed as not credited";
    EXPECT_EQ(folder.column("IOTA-EU", "Call")[0], "");
}

TEST_F(MemberImport, TheGaugeReaches100InEveryKindWithLines) {
    QStringList lines;
    for (const RecordKind& kind : recordKinds()) {
        if (kind.text == "WI       SA-") continue;
        for (int number = 1; number <= 3; ++number)
            lines << kind.text.left(9) + kind.continentCode + QString("-%1").arg(number, 3, 10, QChar('0')) +
                         " NONE           X         Some island";
    }
    const MemberImportResult result = importMemberFile(
        database, table, writeFile("kinds.mbr", lines.join("\r\n").toLatin1()), startState().counts, recorder());
    EXPECT_EQ(result.islandLines, 7 * 3);
    EXPECT_EQ(result.groupLines, 5 * 3);

    QStringList captions;
    for (const auto& [percent, caption] : progress.shown)
        if (captions.isEmpty() || captions.last() != caption) captions << caption;
    QStringList expectedCaptions{kOwnerCaption};
    for (const RecordKind& kind : recordKinds()) expectedCaptions << kind.importCaption;
    EXPECT_EQ(captions, expectedCaptions);
    for (const RecordKind& kind : recordKinds()) {
        const QList<int> percents = percentsUnder(kind.importCaption);
        if (kind.text == "WI       SA-")
            EXPECT_EQ(percents, (QList<int>{0, 2})) << "a kind without lines stands at 2";
        else
            EXPECT_EQ(percents, (QList<int>{0, 2, 35, 67, 100})) << kind.text.toStdString();
    }
    EXPECT_FALSE(table.Active());
    EXPECT_EQ(table.TableName(), "IOTA-SA");
    EXPECT_FALSE(table.Filtered());
    EXPECT_FALSE(table.ReadOnly());
}

TEST_F(MemberImport, LinesWithoutARecordOrWithAMalformedReferenceChangeNothing) {
    const QStringList lines = {
        memberIsland("EU-00*", "G3ABC", "G", "wildcard"),  // would be a prefix test in a filter
        memberIsland("AF-999", "G3ABC", "G", "no such record"),
        memberIsland("AF-0'1", "G3ABC", "G", "quote"),
        "ISLAND   AF-",
        "BI       EU-999",
        memberIsland("EU-007", "EI7ABC", "EI", "Aran Islands"),
    };
    const MemberImportResult result = importLines(lines);
    EXPECT_EQ(result.islandLines, 1);
    EXPECT_EQ(result.passedOver, 5);
    release();
    const QStringList statuses = folder.column("IOTA-EU", "Status");
    EXPECT_EQ(statuses.count("A"), 1) << "only EU-007";
    EXPECT_EQ(statuses[6], "A");
    EXPECT_EQ(folder.column("IOTA-AF", "Status").count("A"), 0);
    EXPECT_EQ(folder.column("IOTA-EU", "ABW").join(""), "");
}

TEST_F(MemberImport, AnUnreadableFileFailsBeforeAnyTableIsWritten) {
    folder.setOwnerValue("Name", "kept");
    try {
        importMemberFile(database, table, folder.path() + "/absent.mbr", startState().counts, recorder());
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.message().contains("absent.mbr")) << failure.message().toStdString();
    }
    EXPECT_EQ(progress.shown, (QList<QPair<int, QString>>{{0, kOwnerCaption}}));
    release();
    EXPECT_EQ(folder.ownerValue("Name"), "kept");
}

TEST_F(MemberImport, ATableFailureEndsTheImportKeepingWhatWasPosted) {
    const StartCounts counts = startState().counts;
    release();
    folder.removeTable("IOTA-NA");
    const QStringList lines = {"CALLSIGN G3ABC", memberIsland("EU-005", "G3ABC", "G", "GB"),
                               memberIsland("NA-001", "VP9A", "VP9", "Bermuda"),
                               memberIsland("SA-001", "YV0A", "YV0", "Aves")};
    EXPECT_THROW(importLines(lines, counts), Failure);
    release();
    EXPECT_EQ(folder.ownerValue("Callsign"), "G3ABC");
    EXPECT_EQ(folder.column("IOTA-EU", "Status")[4], "A");
    EXPECT_EQ(folder.column("IOTA-SA", "Status")[0], "-") << "after the failure nothing more is written";
}

TEST_F(MemberImport, ReplaceOwnerDoublesQuotesAndNamesAMissingRow) {
    owner::writeValue(table, "C'vted to Directory 2000", "Yes");
    owner::writeValue(table, "Don't show on listings", "Yes");
    EXPECT_FALSE(table.Active());
    try {
        owner::writeValue(table, "No such row", "x");
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.message().contains("No such row")) << failure.message().toStdString();
    }
    release();
    EXPECT_EQ(folder.ownerValue("C'vted to Directory 2000"), "Yes");
    EXPECT_EQ(folder.ownerValue("Don't show on listings"), "Yes");
}

}  // namespace
