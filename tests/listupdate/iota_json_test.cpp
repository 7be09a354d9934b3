#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "base/failure.h"
#include "listupdate/iota_json_list.h"
#include "listupdate/iota_json_update.h"
#include "register/codes.h"
#include "register/group_facts.h"
#include "register/rarity_table.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "support/data_folder.h"
#include "support/files.h"
#include "support/island_records.h"

namespace {

// A group as one line: reference, name, share, deletion mark; "?" for what is absent.
QString groupText(const IotaGroup& group) {
    return QStringList{group.reference, group.name.value_or("?"),
                       group.credited ? QString::number(*group.credited) : QStringLiteral("?"),
                       group.deleted ? QStringLiteral("deleted") : QStringLiteral("listed")}
        .join(u'|');
}

struct ReadCase {
    const char* fixture;
    QStringList groups;
};

TEST(IotaJsonList, ReadsBothShapesIgnoringUnknownFieldsAndMissingOnes) {
    const ReadCase cases[] = {
        {"iota_json_groups",
         {"AF-001|Agalega & St Brandon Islands|21.64|listed", "AF-002|Amsterdam & St Paul Islands|9.1|listed",
          "AF-003|Ascension Island|35.2|listed", "EU-005|Great Britain|88.7|listed",
          "EU-007|Aran Islands (Ireland)|40|listed", "OC-002|Howland Island|2.5|deleted", "NA-001|?|?|listed",
          "SA-001|?|?|listed", "AF-099|Beyond the table|1|listed", "AF-001|Listed twice: the first one counts|?|listed",
          "|No reference at all|?|listed"}},
        {"iota_json_fulllist",
         {"AS-001|Andaman & Nicobar Islands|15.5|listed", "AS-004|Cyprus|60|deleted", "SA-001|Aves Island|?|deleted",
          "SA-006|Tierra del Fuego Islands|?|listed", "EU-001|Dodecanese|?|deleted", "EU-005|Great Britain|?|listed"}},
    };
    for (const ReadCase& c : cases) {
        const IotaJsonList list = readIotaJsonList(fixtureFile(c.fixture, "list.json"));
        QStringList groups;
        for (const IotaGroup& group : list.groups) groups << groupText(group);
        EXPECT_EQ(groups, c.groups) << c.fixture;
    }
}

// A group's code, DXCC numbers and box as one line; "?" for what is absent.
QString factsText(const IotaGroup& group) {
    return QStringList{group.reference, group.name.value_or("?"), group.group.value_or("?"), group.dxcc.value_or("?"),
                       group.box ? boxText(group.box) : QStringLiteral("?")}
        .join(u'|');
}

// The programme's fields as its fulllist.json gives them: texts with blanks around them, the box's
// edges in either order, six boxes at the date line.
TEST(IotaJsonList, ReadsGroupCodesDxccNumbersAndBoxesTrimmed) {
    const struct {
        const char* entry;
        const char* read;
    } cases[] = {
        {R"({"refno": " eu-005 ", "name": " Great Britain ", "grp_region": "BI", "dxcc_num": "223, 294,279",
             "latitude_max": "58.67", "latitude_min": "49.83", "longitude_max": "1.83", "longitude_min": "-6.25"})",
         "EU-005|Great Britain|B|223,294,279|-6.25 1.83 49.83 58.67"},
        {R"({"refno": "AF-001", "grp_region": "", "dxcc_num": 4, "latitude_max": "-10.75", "latitude_min": "-10.00",
             "longitude_max": "57.00", "longitude_min": "56.25"})",
         "AF-001|?||4|56.25 57 -10.75 -10"},
        {R"({"refno": "AS-027", "grp_region": " ai ", "latitude_max": "71.75", "latitude_min": "70.67",
             "longitude_max": "-175.25", "longitude_min": "178.25"})",
         "AS-027|?|A|?|178.25 -175.25 70.67 71.75"},
        {R"({"refno": "AN-016", "latitude_max": "-90.00", "latitude_min": "-63.00", "longitude_max": "180.00",
             "longitude_min": "-180.00"})",
         "AN-016|?|?|?|-180 180 -90 -63"},
        {R"({"refno": "AN-020", "latitude_max": "-67.67", "latitude_min": "-67.25", "longitude_max": "179.92",
             "longitude_min": "-179.92"})",
         "AN-020|?|?|?|179.92 -179.92 -67.67 -67.25"},
        {R"({"refno": "NA-001", "name": "   ", "grp_region": "WI", "dxcc_num": "60;61", "latitude_max": "25.70",
             "latitude_min": "21.58", "longitude_max": "-74.25"})",
         "NA-001|?|W|?|?"},
        {R"({"refno": "OC-001", "grp_region": 3, "dxcc_num": "", "latitude_max": "95", "latitude_min": "10",
             "longitude_max": "20", "longitude_min": "21"})",
         "OC-001|?|?|?|?"},
    };
    for (const auto& c : cases) {
        const IotaJsonList list = parseIotaJsonList(QByteArray("[") + c.entry + "]", "list.json");
        ASSERT_EQ(list.groups.size(), 1u);
        EXPECT_EQ(factsText(list.groups.front()), c.read) << c.entry;
    }
}

struct BadList {
    const char* name;
    QByteArray bytes;
    const char* fault;
};

// Each refused file names itself and its fault.
TEST(IotaJsonList, RefusesWhatIsNoIotaList) {
    const BadList lists[] = {
        {"broken.json", "[{\"refno\": \"AF-001\",", "it is no valid JSON"},
        {"latin1.json", "[{\"refno\": \"AF-001\", \"name\": \"\xE9le\"}]", "it is no valid JSON"},
        {"object.json", "{\"refno\": \"AF-001\"}", "it holds no list of groups"},
        {"numbers.json", "[{\"refno\": \"AF-001\"}, 3]", "entry 2 of the list is no group"},
        {"other.json", "[{\"name\": \"a package\", \"version\": \"1.0\"}]", "none of its entries has a \"refno\""},
        {"empty.json", "[]", "none of its entries has a \"refno\""},
        {"region.json", "[{\"refno\": \"AF-001\", \"grp_region\": \"Africa\"}]",
         "the group AF-001 has the grp_region \"Africa\", which the award programme does not use"},
        {"region2.json", "[{\"refno\": \"AF-001\"}, {\"grp_region\": \" XI \"}]",
         "the group of entry 2 has the grp_region \"XI\""},
    };
    QTemporaryDir dir;
    for (const BadList& bad : lists) {
        const QString file = writeFile(dir.filePath(bad.name), bad.bytes);
        try {
            readIotaJsonList(file);
            ADD_FAILURE() << bad.name << " was read";
        } catch (const Failure& failure) {
            EXPECT_TRUE(failure.message().startsWith("Cannot read the IOTA list " + QDir::toNativeSeparators(file)))
                << failure.message().toStdString();
            EXPECT_TRUE(failure.message().contains(bad.fault)) << failure.message().toStdString();
        }
    }
}

TEST(IotaJsonList, RefusesAHugeFileAndAFolderBeforeReadingThem) {
    QTemporaryDir dir;
    QFile huge(dir.filePath("huge.json"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(100 * 1000 * 1000)) << "a sparse file of 100 MB";
    huge.close();
    const struct {
        QString file;
        const char* fault;
    } refused[] = {{huge.fileName(), "larger than 64 MiB"}, {dir.path(), "is a folder"}};
    for (const auto& r : refused) {
        try {
            readIotaJsonList(r.file);
            ADD_FAILURE() << r.file.toStdString() << " was read";
        } catch (const Failure& failure) {
            EXPECT_TRUE(failure.message().contains(QDir::toNativeSeparators(r.file)));
            EXPECT_TRUE(failure.message().contains(r.fault)) << failure.message().toStdString();
        }
    }
}

struct RuleCase {
    QString statusBefore;
    bool deleted;
    IslandRecord after;
};

// The update text's rules, for a listed group with a name: {status, call, prefix, island}.
TEST(IotaJsonUpdate, ListedGroupRecordFollowsTheUpdateRules) {
    const IslandRecord before{"?", "K1ABC", "VK9", "Old name"};
    const RuleCase cases[] = {
        {"-", false, {"-", "", "VK9", "New name"}},        {"D", false, {"-", "", "VK9", "New name"}},
        {"U", false, {"-", "", "VK9", "New name"}},        {"", false, {"-", "", "VK9", "New name"}},
        {"W", false, {"W", "K1ABC", "VK9", "New name"}},   {"C", false, {"C", "K1ABC", "VK9", "New name"}},
        {"A", false, {"A", "K1ABC", "VK9", "New name"}},   {"-", true, {"D", "K1ABC", "DELETED", "DELETED"}},
        {"A", true, {"D", "K1ABC", "DELETED", "DELETED"}},
    };
    for (const RuleCase& c : cases) {
        IslandRecord record = before;
        record.status = c.statusBefore;
        const IotaGroup group{"OC-001", QStringLiteral("New name"), std::nullopt, c.deleted};
        EXPECT_EQ(listedGroupRecord(group, "IOTA-OC", record), c.after)
            << "status \"" << c.statusBefore.toStdString() << "\", deleted " << c.deleted;
    }
    const IotaGroup nameless{"OC-001", std::nullopt, std::nullopt, false};
    EXPECT_EQ(listedGroupRecord(nameless, "IOTA-OC", {"A", "K1ABC", "VK9", "Old name"}).island, "Old name");
    const IotaGroup longName{"OC-001", QString(300, u'x'), std::nullopt, false};
    EXPECT_EQ(listedGroupRecord(longName, "IOTA-OC", before).island.size(), 250) << "cut to the field's size";
}

// The table definitions of the data folder, to see that the nine stay as they are.
QStringList tableDefinitions(const TestDataFolder& folder) {
    store::Database db(folder.dataFolder());
    store::Statement& select =
        db.prepare("SELECT name || ': ' || sql FROM sqlite_master WHERE type = 'table' ORDER BY name");
    QStringList definitions;
    while (select.step()) definitions << select.columnText(0);
    return definitions;
}

// Each case folder iota_json_* holds list.json, perhaps start.txt, and expected.txt. The preview
// writes nothing; applying gives the expected records; the same list again changes nothing.
TEST(IotaJsonUpdate, EveryCaseGivesItsExpectedRecordsAndTheSameListAgainChangesNothing) {
    const QStringList cases = fixtureCases("iota_json_");
    ASSERT_EQ(cases.size(), 3);
    for (const QString& name : cases) {
        const IotaJsonList list = readIotaJsonList(fixtureFile(name, "list.json"));
        const QStringList differences =
            runRecordFixture(name, "expected.txt", [&](store::Database& db, store::Table& table, const StartCounts&) {
                const IotaListPlan plan = planIotaListUpdate(table, list);
                EXPECT_GT(plan.changed(), 0) << name.toStdString();
                applyIotaListPlan(db, table, plan);
                EXPECT_FALSE(table.Active());
                const IotaListPlan again = planIotaListUpdate(table, list);
                EXPECT_EQ(again.changed(), 0) << name.toStdString();
                EXPECT_EQ(again.unchanged, plan.changed() + plan.unchanged) << name.toStdString();
            });
        EXPECT_TRUE(differences.isEmpty()) << name.toStdString() << ":\n" << differences.join(u'\n').toStdString();
    }
}

TEST(IotaJsonUpdate, PlanCountsAndFieldsWithoutWriting) {
    TestDataFolder folder;
    writeRecordValues(folder, readRecordValues(fixtureFile("iota_json_groups", "start.txt")));
    const IslandRecords before = readIslandRecords(folder);
    store::Database db(folder.dataFolder());
    store::Table table(db);
    const IotaListPlan plan = planIotaListUpdate(table, readIotaJsonList(fixtureFile("iota_json_groups", "list.json")));
    QStringList lines;
    for (const IotaRecordChange& change : plan.changes)
        for (const IotaFieldChange& field : fieldChanges(change))
            lines << QStringList{change.reference, field.field, field.before, field.after}.join(u'|');
    EXPECT_EQ(lines, (QStringList{
                         "AF-001|Island|Agalega Islands|Agalega & St Brandon Islands",
                         "AF-001|DXCC||4",
                         "AF-001|Box||56.4 59.8 -16.8 -10.3",
                         "AF-002|Status|U|-",
                         "AF-002|Island||Amsterdam & St Paul Islands",
                         "EU-007|Island|Aran Islands|Aran Islands (Ireland)",
                         "EU-007|ABW||B",
                         "NA-001|Status|D|-",
                         "NA-001|Call|OLD|",
                         "NA-001|ABW||W",
                         "OC-002|Status|W|D",
                         "OC-002|Prefix|KH1|DELETED",
                         "OC-002|Island|Howland Island|DELETED",
                         "SA-001|Status||-",
                         "SA-001|Call|YV0A|",
                     }));
    EXPECT_EQ(plan.changed(), 6);
    EXPECT_EQ(plan.unchanged, 2) << "AF-003 and EU-005";
    EXPECT_EQ(plan.unknown, 2) << "AF-099 and the group without a reference";
    EXPECT_EQ(plan.unknownReferences, QStringList{"AF-099"});
    EXPECT_FALSE(plan.complete);
    EXPECT_TRUE(plan.absent.empty()) << "a partial list deletes nothing by absence";
    db.close();
    EXPECT_EQ(readIslandRecords(folder), before) << "the plan writes nothing";
}

// "Rarity" is made when first needed, replaced whole by a list with shares, kept by one without.
TEST(IotaJsonUpdate, RarityIsReplacedWholeAndTheNineTablesStayAsTheyAre) {
    TestDataFolder folder;
    const QStringList nineTables = tableDefinitions(folder);
    const auto apply = [&](const char* fixture) {
        store::Database db(folder.dataFolder());
        store::Table table(db);
        applyIotaListPlan(db, table, planIotaListUpdate(table, readIotaJsonList(fixtureFile(fixture, "list.json"))));
        return readRarity(db);
    };
    {
        store::Database db(folder.dataFolder());
        db.execute(
            "CREATE TABLE \"Rarity\" (IOTA TEXT PRIMARY KEY, Credited REAL); "
            "INSERT INTO \"Rarity\" VALUES ('SA-006', 1)");
    }
    const QHash<QString, double> fromGroups{{"AF-001", 21.64}, {"AF-002", 9.1}, {"AF-003", 35.2}, {"EU-005", 88.7},
                                            {"EU-007", 40},    {"OC-002", 2.5}, {"AF-099", 1}};
    EXPECT_EQ(apply("iota_json_groups"), fromGroups) << "the old rows are gone";
    folder.execute("DROP TABLE \"Rarity\"");
    EXPECT_EQ(apply("iota_json_groups"), fromGroups) << "made anew where missing";
    EXPECT_EQ(apply("iota_json_fulllist").size(), 2) << "the full list's shares replace the others";
    QTemporaryDir dir;
    const QString noShares = writeFile(dir.filePath("list.json"), "[{\"refno\": \"AF-001\", \"name\": \"Agalega\"}]");
    {
        store::Database db(folder.dataFolder());
        store::Table table(db);
        applyIotaListPlan(db, table, planIotaListUpdate(table, readIotaJsonList(noShares)));
        EXPECT_EQ(readRarity(db).size(), 2) << "a list without shares keeps them";
    }
    const QStringList after = tableDefinitions(folder);
    EXPECT_EQ(after.size(), nineTables.size() + 1);
    for (const QString& definition : nineTables) EXPECT_TRUE(after.contains(definition)) << definition.toStdString();
}

}  // namespace
