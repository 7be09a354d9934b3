#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFileInfo>

#include "base/text_file.h"
#include "logimport/upf_import.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "support/data_folder.h"
#include "support/island_records.h"
#include "support/recorded_progress.h"

namespace {

struct ModeFile {
    ImportMode mode;
    const char* expected;
};

constexpr ModeFile kModeFiles[] = {{ImportMode::Worked, "expected-worked.txt"},
                                   {ImportMode::Claim, "expected-claim.txt"}};

// Each case folder upf_* holds input.upf, perhaps start.txt, and the records expected after an
// import in each mode it has an expected file for.
TEST(UpfImportFixtures, EveryCaseGivesItsExpectedRecords) {
    const QStringList cases = fixtureCases(QStringLiteral("upf_"));
    ASSERT_FALSE(cases.isEmpty());
    for (const QString& name : cases) {
        const TextLines lines = readTextLines(fixtureFile(name, QStringLiteral("input.upf")));
        for (const ModeFile& file : kModeFiles) {
            if (!QFileInfo::exists(fixtureFile(name, file.expected))) continue;
            const QStringList differences = runRecordFixture(
                name, file.expected, [&](store::Database& db, store::Table& table, const StartCounts&) {
                    importUpf(db, table, lines, file.mode);
                });
            EXPECT_TRUE(differences.isEmpty()) << name.toStdString() << " / " << file.expected << ":\n"
                                               << differences.join(u'\n').toStdString();
        }
    }
}

// Runs an import on a fresh sample folder and gives the records afterwards.
IslandRecords importedRecords(const QStringList& lines, ImportMode mode, TestDataFolder& folder) {
    store::Database db(folder.dataFolder());
    store::Table table(db);
    importUpf(db, table, lines, mode);
    db.close();
    return readIslandRecords(folder);
}

TEST(UpfImport, EveryFormOfTheReferenceTableFindsItsRecord) {
    for (const char* word : {"AF1", "AF01", "AF001", "AF-1", "AF-01", "AF-001"}) {
        TestDataFolder folder;
        const IslandRecords records = importedRecords({QString(word) + " K1ABC"}, ImportMode::Worked, folder);
        EXPECT_EQ(records["AF-001"]["Call"], "K1ABC") << "word " << word;
        EXPECT_EQ(records["AF-001"]["Status"], "W") << "word " << word;
    }
    TestDataFolder folder;
    const IslandRecords before = readIslandRecords(folder);
    EXPECT_EQ(importedRecords({"AF0001 K1ABC"}, ImportMode::Worked, folder), before) << "AF-0001 matches no record";
}

TEST(UpfImport, GaugeReadsFourteenToNinetyEightAlsoForOneContinent) {
    TestDataFolder folder;
    store::Database db(folder.dataFolder());
    store::Table table(db);
    RecordedProgress gauge;
    importUpf(db, table, {"EU-005 G4ABC"}, ImportMode::Worked, gauge);
    EXPECT_EQ(gauge.values, QList<int>({14, 28, 42, 56, 70, 84, 98}));
    EXPECT_FALSE(table.Active());
    EXPECT_EQ(table.TableName(), "IOTA-SA") << "the handle stays on the last continent's table";
}

TEST(UpfImport, AnEmptyFileChangesNothing) {
    TestDataFolder folder;
    const IslandRecords before = readIslandRecords(folder);
    EXPECT_EQ(importedRecords({}, ImportMode::Claim, folder), before);
}

// A log as a logging program may save it: each reference counts once, from its first line
// naming a contact, whichever form its word has; the same in every encoding and line end.
TEST(UpfImport, ALogGivesTheSameRecordsInEveryEncodingAndLineEnd) {
    const QStringList log{
        "AF-001 NONE first",  "AF1 K1ABC caf\u00E9 ", "AF-001 K2XYZ later", "EU5 G4\u00C5B",
        "EU-005 G0LAST",      "S\u00F8mla EU-007 x",  "EU-007\tG3TAB x",    " EU-115 G5LEAD",
        "EU-115 G5ONE  two ", "EU-115 DELETED",       "AF\u00C901 K9NO",
    };
    const QString text = log.join(u'\n');
    const QByteArray utf16 =
        QByteArray("\xFF\xFE", 2) + QByteArray(reinterpret_cast<const char*>(text.utf16()), 2 * text.size());
    const struct {
        const char* what;
        TextLines lines;
    } files[] = {
        {"UTF-8, CR LF", *TextLines::ofFileBytes(log.join("\r\n").toUtf8() + "\r\n")},
        {"UTF-8 with its mark, LF", *TextLines::ofFileBytes("\xEF\xBB\xBF" + text.toUtf8())},
        {"Windows-1252, CR", *TextLines::ofFileBytes(encodeText(log.join(u'\r')))},
        {"UTF-16",
         *TextLines::ofFileBytes(QByteArray(utf16).replace(QByteArray("\n\0", 2), QByteArray("\r\0\n\0", 4)))},
    };
    TestDataFolder plain;
    const IslandRecords expected = importedRecords(log, ImportMode::Worked, plain);
    EXPECT_EQ(expected["AF-001"]["Call"], "K1ABC");
    EXPECT_EQ(expected["AF-001"]["Comment"], QString::fromUtf8("caf\xC3\xA9"));
    EXPECT_EQ(expected["EU-005"]["Call"], QString::fromUtf8("G4\xC3\x85"
                                                            "B"));
    EXPECT_EQ(expected["EU-007"]["Status"], "-") << "a tab does not end the word";
    EXPECT_EQ(expected["EU-115"]["Call"], "G5ONE");
    EXPECT_EQ(expected["EU-115"]["Comment"], "two");
    for (const auto& [what, lines] : files) {
        ASSERT_EQ(lines.toStringList(), log) << what;
        TestDataFolder folder;
        store::Database db(folder.dataFolder());
        store::Table table(db);
        EXPECT_EQ(importUpf(db, table, lines, ImportMode::Worked), 3) << what;
        db.close();
        EXPECT_EQ(readIslandRecords(folder), expected) << what;
    }
}

// A pass ends once each of its references was looked at; a line of no contact does not look at
// its reference, so a contact after it, at the log's end, still counts.
TEST(UpfImport, TheLastLineCountsWhenItBringsAReferencesFirstContact) {
    TestDataFolder folder;
    const IslandRecords records =
        importedRecords({"AF-001 K1A", "AF1 K1B", "AF-003 NONE", "AF-001 K1C", "AF3 DELETED", "AF-003 K3A x"},
                        ImportMode::Worked, folder);
    EXPECT_EQ(records["AF-001"]["Call"], "K1A");
    EXPECT_EQ(records["AF-003"]["Call"], "K3A");
    EXPECT_EQ(records["AF-003"]["Comment"], "x");
}

// More than 500 lines of one continent are all imported: the line lists have no cap.
TEST(UpfImport, ImportsEveryLineOfALongContinent) {
    std::vector<ListedIsland> islands;
    for (int number = 1; number <= 600; ++number)
        islands.push_back({QString("EU-%1").arg(number, 3, 10, QChar('0')), "Isle", "G"});
    TestDataFolder folder(islands);
    QStringList lines;
    for (int number = 1; number <= 600; ++number) lines << QString("EU%1 G%1").arg(number);
    const IslandRecords records = importedRecords(lines, ImportMode::Worked, folder);
    EXPECT_EQ(records["EU-600"]["Call"], "G600");
    EXPECT_EQ(records["EU-600"]["Status"], "W");
    EXPECT_EQ(records["EU-501"]["Status"], "W");
}

TEST(UpfImport, ReadsAFileThatIsNotUtf8AsWindows1252) {
    TestDataFolder folder;
    const QStringList lines = splitLines(decodeText(QByteArray("AF-001 K1ABC caf\xe9 \x80\r\n")));
    const IslandRecords records = importedRecords(lines, ImportMode::Worked, folder);
    EXPECT_EQ(records["AF-001"]["Comment"], QString::fromUtf8("caf\xc3\xa9 \xe2\x82\xac"));
}

// A megabyte-long line without a blank is passed over; one with a contact is imported, its
// comment cut to the size of the field.
TEST(UpfImport, AMegabyteCommentIsCutToItsField) {
    TestDataFolder folder;
    const QString longComment(1024 * 1024, u'x');
    const QStringList lines{QString(1024 * 1024, u'A'), "OC-001 VK1ABC " + longComment};
    const IslandRecords records = importedRecords(lines, ImportMode::Worked, folder);
    EXPECT_EQ(records["OC-001"]["Comment"], longComment.left(250));
    EXPECT_EQ(records["OC-001"]["Status"], "W");
}

// A 50 MB log of one reference ends quickly: after its first line the reference is settled.
TEST(UpfImport, AFiftyMegabyteFileEndsQuickly) {
    QStringList lines;
    const QString line = QStringLiteral("AF-001 K1ABC a comment that fills the line up to fifty bytes");
    for (int i = 0; i < 50 * 1024 * 1024 / int(line.size()); ++i) lines << line;
    TestDataFolder folder;
    QElapsedTimer timer;
    timer.start();
    const IslandRecords records = importedRecords(lines, ImportMode::Worked, folder);
    EXPECT_LT(timer.elapsed(), 30000);
    EXPECT_EQ(records["AF-001"]["Status"], "W");
}

}  // namespace
