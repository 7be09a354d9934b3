#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "base/text_file.h"
#include "logimport/csv_contact.h"
#include "logimport/csv_import.h"
#include "register/delivered_data.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "support/data_folder.h"
#include "support/island_records.h"

namespace {

// Each case folder csv_* holds input.csv, perhaps start.txt, and expected.txt.
TEST(CsvImportFixtures, EveryCaseGivesItsExpectedRecords) {
    const QStringList cases = fixtureCases(QStringLiteral("csv_"));
    ASSERT_FALSE(cases.isEmpty());
    for (const QString& name : cases) {
        const TextLines lines = readTextLines(fixtureFile(name, QStringLiteral("input.csv")));
        const QStringList differences =
            runRecordFixture(name, QStringLiteral("expected.txt"),
                             [&](store::Database& db, store::Table& table, const StartCounts& counts) {
                                 importCsv(db, table, lines, counts);
                             });
        EXPECT_TRUE(differences.isEmpty()) << name.toStdString() << ":\n" << differences.join(u'\n').toStdString();
    }
}

struct ContactRow {
    const char* line;
    const char* reference;
    const char* callsign;
    const char* status;
};

constexpr ContactRow kContacts[] = {
    {R"("AF-001","CALL1","Accepted")", "AF-001", "CALL1", "A"},
    {R"("AF-001","CALL1","DELETED","Accepted")", "AF-001", "CALL1", "D"},
    {R"("AF-001","CALL1",DELETED)", "AF-001", "CALL1", "D"},
    {R"("AF-001","CALL1","")", "AF-001", "CALL1", "-"},
    {R"("AF-001")", "AF-001", "", "-"},
    {R"("AF-001","K1ABCDEFGHIJKLMNOPQRSTUVWXYZ)", "AF-001", "K1ABCDEFGHIJKLMNOPQR", "-"},
    {R"("AF)", "AF", "", "-"},
    {"", "", "", "-"},
};

TEST(CsvContact, ReadsByPosition) {
    for (const ContactRow& row : kContacts) {
        const CsvContact contact = readCsvContact(row.line);
        EXPECT_EQ(contact.reference, QString(row.reference)) << "reference of " << row.line;
        EXPECT_EQ(contact.callsign, QString(row.callsign)) << "callsign of " << row.line;
        EXPECT_EQ(contact.status, QString(row.status)) << "status of " << row.line;
    }
}

TEST(CsvContact, MarkerIsAQuoteTheCodeAndADash) {
    EXPECT_EQ(csvContinentMarker("AF"), "\"AF-");
}

IslandRecords importedRecords(TestDataFolder& folder, const QStringList& lines) {
    store::Database db(folder.dataFolder());
    store::Table table(db);
    const StartState start = readStartState(table);
    importCsv(db, table, lines, start.counts);
    db.close();
    return readIslandRecords(folder);
}

std::vector<ListedIsland> islandsUpTo(const QString& code, int highest) {
    return {{QString("%1-%2").arg(code).arg(highest, 3, 10, QChar('0')), "Isle", "P"}};
}

// A table of 120 records applies 120 lines of its continent; the 121st changes nothing.
TEST(CsvImport, LinesBeyondTheStartCountOfTheirContinentChangeNothing) {
    TestDataFolder folder(islandsUpTo("AF", 120 - kUnallocatedPadding));
    QStringList lines;
    for (int i = 1; i <= 120; ++i) lines << QString("\"AF-%1\",\"K%1\",\"Accepted\"").arg(i, 3, 10, QChar('0'));
    lines << R"("AF-001","LATE","Accepted")";
    const IslandRecords records = importedRecords(folder, lines);
    EXPECT_EQ(records["AF-120"]["Call"], "K120");
    EXPECT_EQ(records["AF-001"]["Call"], "K001") << "the 121st line was applied";
}

// More than 500 lines of one continent are all applied, up to the table's start count.
TEST(CsvImport, AppliesEveryLineOfALongContinent) {
    TestDataFolder folder(islandsUpTo("OC", 600));
    QStringList lines;
    for (int i = 1; i <= 600; ++i) lines << QString("\"OC-%1\",\"VK%1\",\"Accepted\"").arg(i, 3, 10, QChar('0'));
    const IslandRecords records = importedRecords(folder, lines);
    EXPECT_EQ(records["OC-600"]["Status"], "A");
    EXPECT_EQ(records["OC-600"]["Call"], "VK600");
}

TEST(CsvImport, SearchesMegabyteLinesWhole) {
    TestDataFolder folder;
    const QStringList lines{"\"EU-005\",\"G4ABC\"," + QString(1024 * 1024, u'x') + "Accepted",
                            QString(1024 * 1024, u'"')};
    const IslandRecords records = importedRecords(folder, lines);
    EXPECT_EQ(records["EU-005"]["Status"], "A");
    EXPECT_EQ(records["EU-005"]["Call"], "G4ABC");
}

TEST(CsvImport, AFiftyMegabyteFileEndsQuickly) {
    QStringList lines;
    const QString line = QStringLiteral(R"("NA-015","HI3ABC","Accepted","a note that fills the line")");
    for (int i = 0; i < 50 * 1024 * 1024 / int(line.size()); ++i) lines << line;
    TestDataFolder folder;
    QElapsedTimer timer;
    timer.start();
    const IslandRecords records = importedRecords(folder, lines);
    EXPECT_LT(timer.elapsed(), 30000);
    EXPECT_EQ(records["NA-015"]["Status"], "A");
}

}  // namespace
