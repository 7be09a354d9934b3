#include <gtest/gtest.h>

#include <QFile>
#include <functional>

#include "base/text_file.h"
#include "listupdate/list_update.h"
#include "logimport/csv_import.h"
#include "logimport/upf_import.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "support/data_folder.h"
#include "support/files.h"
#include "support/island_records.h"

namespace {

QByteArray fixtureBytes(const QString& caseName, const QString& fileName) {
    return fileBytes(fixtureFile(caseName, fileName));
}

struct JunkInput {
    const char* name;
    QByteArray bytes;
};

// Files a user may choose by mistake, and lines that stretch the readers.
std::vector<JunkInput> junkInputs() {
    return {
        {"a JPEG picture", fixtureBytes("cards", "front.jpg")},
        {"a broken JPEG", fixtureBytes("cards", "corrupt.jpg")},
        {"random bytes", randomBytes(5, 256 * 1024, 0)},
        {"invalid UTF-8", randomBytes(7, 64 * 1024, 0x80)},
        {"a line of only blanks", QByteArray(4096, ' ')},
        {"a megabyte line of quotes", QByteArray(1024 * 1024, '"')},
        {"a megabyte line of one letter", QByteArray(1024 * 1024, 'A')},
        {"control characters", QByteArray("\0\x01\x02\t\x1b\r\n\r\r\n\x7f", 12)},
    };
}

using Importer = std::function<void(store::Database&, store::Table&, const QStringList&, const StartCounts&)>;

struct NamedImporter {
    const char* name;
    Importer run;
};

const NamedImporter kImporters[] = {
    {"UPF worked", [](store::Database& db, store::Table& table, const QStringList& lines,
                      const StartCounts&) { importUpf(db, table, lines, ImportMode::Worked); }},
    {"UPF claim", [](store::Database& db, store::Table& table, const QStringList& lines,
                     const StartCounts&) { importUpf(db, table, lines, ImportMode::Claim); }},
    {"CSV", [](store::Database& db, store::Table& table, const QStringList& lines,
               const StartCounts& counts) { importCsv(db, table, lines, counts); }},
    {"list update", [](store::Database& db, store::Table& table, const QStringList& lines,
                       const StartCounts& counts) { applyListUpdate(db, table, lines, counts); }},
};

// Junk holds no contact and no record line: every importer gets through it and changes nothing.
TEST(JunkInput, EveryImporterGetsThroughAndChangesNothing) {
    TestDataFolder folder;
    const IslandRecords before = readIslandRecords(folder);
    for (const JunkInput& junk : junkInputs()) {
        ASSERT_FALSE(junk.bytes.isEmpty()) << junk.name;
        const QStringList lines = splitLines(decodeText(junk.bytes));
        for (const NamedImporter& importer : kImporters) {
            {
                store::Database db(folder.dataFolder());
                store::Table table(db);
                const StartCounts counts = readStartState(table).counts;
                EXPECT_NO_THROW(importer.run(db, table, lines, counts)) << importer.name << " on " << junk.name;
            }
            EXPECT_EQ(readIslandRecords(folder), before) << importer.name << " on " << junk.name;
        }
    }
}

}  // namespace
