#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "base/text_file.h"
#include "logimport/adif_import.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "support/data_folder.h"
#include "support/files.h"
#include "support/island_records.h"

namespace {

// "expected-card+lotw.txt" holds the records after an import counting card and LoTW; "-none" counts no source.
ConfirmationSources sourcesOfExpectedFile(const QString& fileName) {
    QString names = fileName.mid(QStringLiteral("expected-").size()).chopped(QStringLiteral(".txt").size());
    if (names == QLatin1String("none")) names.clear();
    return confirmationSourcesNamed(names.replace(u'+', u',')).value();
}

void importLog(store::Database& db, store::Table& table, const QString& fileName, ConfirmationSources sources) {
    const IslandRecordStates records = readIslandRecordStates(table);
    applyAdifPlan(db, table, planAdifImport(readAdifLog(fileName, records), records, sources));
}

// Each case folder adif_* holds its log as input.adi and perhaps as input.adx too, perhaps start.txt,
// and the records expected after an import for each choice of sources it has an expected file for.
// Both forms of a log give the same records.
TEST(AdifImportFixtures, EveryFormOfEveryCaseGivesItsExpectedRecords) {
    const QStringList cases = fixtureCases(QStringLiteral("adif_"));
    ASSERT_FALSE(cases.isEmpty());
    for (const QString& name : cases) {
        const QDir folder(QFileInfo(fixtureFile(name, QStringLiteral("input.adi"))).path());
        for (const QString& input : folder.entryList({QStringLiteral("input.*")}))
            for (const QString& expected : folder.entryList({QStringLiteral("expected-*.txt")})) {
                const QStringList differences =
                    runRecordFixture(name, expected, [&](store::Database& db, store::Table& table, const StartCounts&) {
                        importLog(db, table, folder.filePath(input), sourcesOfExpectedFile(expected));
                    });
                EXPECT_TRUE(differences.isEmpty())
                    << (name + u'/' + input + QStringLiteral(" / ") + expected).toStdString() << ":\n"
                    << differences.join(u'\n').toStdString();
            }
    }
}

struct RankCase {
    const char* before;
    Evidence shown;
    const char* after;  // empty: unchanged
};

// The status order "-", "D", "U" < "W" < "C" < "A": only a higher status is written.
TEST(AdifPlan, AStatusOnlyRises) {
    const RankCase cases[] = {
        {"-", Evidence::Logged, "W"},        {"D", Evidence::Logged, "W"},       {"U", Evidence::Logged, "W"},
        {"", Evidence::Logged, "W"},         {"W", Evidence::Logged, ""},        {"C", Evidence::Logged, ""},
        {"A", Evidence::Logged, ""},         {"-", Evidence::Card, "C"},         {"W", Evidence::Card, "C"},
        {"C", Evidence::Card, ""},           {"A", Evidence::Card, ""},          {"W", Evidence::CreditGranted, "A"},
        {"C", Evidence::CreditGranted, "A"}, {"A", Evidence::CreditGranted, ""}, {"U", Evidence::CreditGranted, "A"},
    };
    for (const RankCase& rank : cases) {
        AdifLog log;
        const QsoMark qso{QStringLiteral("20200101120000"), 1, QStringLiteral("K1ABC")};
        log.references[QStringLiteral("AF-001")][size_t(Evidence::Logged)] = qso;
        log.references[QStringLiteral("AF-001")][size_t(rank.shown)] = qso;
        const IslandRecordStates records{
            {QStringLiteral("AF-001"), {QStringLiteral("IOTA-AF"), QStringLiteral("Agalega"), rank.before}}};
        const AdifPlan plan = planAdifImport(log, records, defaultConfirmationSources());
        const QString after = plan.changes.empty() ? QString() : plan.changes.front().after;
        EXPECT_EQ(after, QLatin1String(rank.after)) << "from \"" << rank.before << "\" by evidence " << int(rank.shown);
        EXPECT_EQ(plan.unchanged, plan.changes.empty() ? 1 : 0);
    }
}

// The QSOs that count for no record are counted with their reasons; planning writes nothing.
TEST(AdifPlan, SkippedQsosAreCountedWithTheirReasonsAndPlanningWritesNothing) {
    TestDataFolder folder;
    const IslandRecords before = readIslandRecords(folder);
    AdifLog log;
    AdifPlan plan;
    {
        store::Database db(folder.dataFolder());
        store::Table table(db);
        const IslandRecordStates records = readIslandRecordStates(table);
        log = readAdifLog(fixtureFile(QStringLiteral("adif_skipped"), QStringLiteral("input.adi")), records);
        plan = planAdifImport(log, records, defaultConfirmationSources());
    }
    EXPECT_EQ(readIslandRecords(folder), before);
    EXPECT_EQ(log.qsos, 7) << "an empty record is no QSO";
    EXPECT_EQ(log.skippedPerReason, (std::array<int, 4>{2, 1, 2, 1}));
    // The reasons to act on first, each QSO with its record number and call.
    EXPECT_EQ(skippedQsoLines(log),
              (QStringList{"1 with a malformed reference:", "    record 2, DL1B: malformed reference \"EU5\"",
                           "2 of a reference without a record:", "    record 3, DL1C: no record for XX-001",
                           "    record 4, DL1D: no record for AF-029",
                           "1 with a damaged tag:", "    record 5, DL1E: the tag \"<IOTA:-6>\" has no valid length",
                           "2 without an IOTA field:", "    record 1, DL1A: no IOTA field",
                           "    record 6, DL1F: no IOTA field"}));
    EXPECT_EQ(planCounts(plan), "1 changed, 0 unchanged, 6 skipped");
    EXPECT_EQ(changesPerStatus(plan), "1 to W");
}

// A long log lists a screenful of QSOs per reason and counts the rest, so the few that need mending
// are not buried under thousands without a reference.
TEST(AdifPlan, ASkipReasonListsAScreenfulAndCountsTheRest) {
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("many.adi"));
    QString text = QStringLiteral("<EOH>");
    for (int i = 0; i < 3960; ++i) text += QStringLiteral("<CALL:4>K1AB<EOR>");
    text += QStringLiteral("<CALL:4>K1XY<IOTA:3>EU5<EOR>");
    writeTextFile(fileName, {text});
    const AdifLog log = readAdifLog(fileName, {});
    EXPECT_EQ(log.skipped, 3961);
    EXPECT_EQ(skipCountLines(log), (QStringList{"1 with a malformed reference", "3,960 without an IOTA field"}));
    const QStringList lines = skippedQsoLines(log);
    EXPECT_EQ(lines.mid(0, 2),
              (QStringList{"1 with a malformed reference:", "    record 3961, K1XY: malformed reference \"EU5\""}));
    EXPECT_EQ(lines.size(), 2 + 1 + qsizetype(AdifLog::kListedSkipsPerReason) + 1);
    EXPECT_EQ(lines.last(), QStringLiteral("    ... and %1 more").arg(3960 - AdifLog::kListedSkipsPerReason));
}

struct OriginCase {
    const char* name;
    QByteArray log;
    LogOrigin origin;
    const char* byDefault;  // the status with the paper card counted, as by default
    const char* byService;  // ... with LoTW and eQSL counted as well
};

// Who wrote a log decides what its QSL_RCVD means: a card from a logger, the service's own
// confirmation from a LoTW report or an eQSL.cc download.
TEST(AdifOrigin, TheLogsOriginDecidesWhatItsConfirmationsAre) {
    const QByteArray qso = "<CALL:4>5B4H<IOTA:6>AS-004";
    const OriginCase cases[] = {
        {"a logger's card", "<PROGRAMID:8>Cloudlog<eoh>" + qso + "<QSL_RCVD:1>Y<eor>", LogOrigin::Logger, "C", "C"},
        {"a LoTW header", "LoTW Status Report<PROGRAMID:4>LoTW<eoh>" + qso + "<QSL_RCVD:1>Y<eor>", LogOrigin::Lotw, "W",
         "C"},
        {"APP_LoTW_ fields without a header", qso + "<APP_LoTW_OWNCALL:4>K1AB<QSL_RCVD:1>Y<eor>", LogOrigin::Lotw, "W",
         "C"},
        {"an eQSL.cc header", "<PROGRAMID:7>eQSL.cc<eoh>" + qso + "<QSL_RCVD:1>Y<eor>", LogOrigin::Eqsl, "W", "C"},
        {"APP_EQSL_ fields without a header", qso + "<APP_EQSL_AG:1>Y<QSL_RCVD:1>Y<eor>", LogOrigin::Eqsl, "W", "C"},
        {"a logger naming itself keeps its cards beside a service's fields",
         "<PROGRAMID:10>QRZLogbook<eoh>" + qso + "<APP_EQSL_QTH_NICKNAME:4>Home<QSL_RCVD:1>Y<eor>", LogOrigin::Logger,
         "C", "C"},
        {"LOTW_QSL_RCVD beside a LoTW header", "<PROGRAMID:4>LoTW<eoh>" + qso + "<QSL_RCVD:1>N<LOTW_QSL_RCVD:1>Y<eor>",
         LogOrigin::Lotw, "W", "C"},
        {"a credit granted counts whoever wrote the log",
         "<PROGRAMID:4>LoTW<eoh>" + qso + "<CREDIT_GRANTED:4>IOTA<eor>", LogOrigin::Lotw, "A", "A"},
    };
    QTemporaryDir dir;
    const IslandRecordStates records{
        {QStringLiteral("AS-004"), {QStringLiteral("IOTA-AS"), QStringLiteral("Cyprus"), QStringLiteral("-")}}};
    const auto statusAfter = [&](const AdifLog& log, ConfirmationSources sources) {
        const AdifPlan plan = planAdifImport(log, records, sources);
        return plan.changes.empty() ? QString() : plan.changes.front().after;
    };
    for (const OriginCase& origin : cases) {
        const AdifLog log = readAdifLog(writeFile(dir.filePath(QStringLiteral("log.adi")), origin.log), records);
        EXPECT_EQ(log.origin, origin.origin) << origin.name;
        EXPECT_EQ(statusAfter(log, defaultConfirmationSources()), QLatin1String(origin.byDefault)) << origin.name;
        EXPECT_EQ(statusAfter(log, ConfirmationSources().set()), QLatin1String(origin.byService)) << origin.name;
    }
    EXPECT_EQ(logOriginText(LogOrigin::Lotw), QStringLiteral("LoTW report: its confirmations count as LoTW"));
    EXPECT_EQ(logOriginText(LogOrigin::Logger), QString());
}

}  // namespace
