#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

#include "base/failure.h"
#include "listupdate/iota_json_list.h"
#include "register/group_facts.h"
#include "support/real_files.h"

namespace {

QString groupLine(const IotaGroup& group) {
    return QStringList{group.reference,
                       group.name.value_or("?"),
                       group.credited ? QString::number(*group.credited) : QStringLiteral("?"),
                       group.deleted ? QStringLiteral("deleted") : QStringLiteral("listed"),
                       group.group.value_or("?"),
                       group.dxcc.value_or("?"),
                       group.box ? boxText(group.box) : QStringLiteral("?")}
        .join(u'|');
}

QString failureOf(const QByteArray& list) {
    try {
        parseIotaJsonList(list, "list.json");
    } catch (const Failure& failure) {
        return failure.message();
    }
    return QStringLiteral("read");
}

// The fields a group is read by, however the file spells and nests them: escaped names, a member
// given twice (the later counts, as in a document read whole), deep structures skipped unread,
// sub-groups marked deleted by escaped words.
TEST(IotaJsonReader, PicksAGroupsFieldsFromAnyShapeOfEntry) {
    const QByteArray deepIslands =
        "[" + QByteArray("{\"islands\":[").repeated(500) + "\"deep\"" + QByteArray("]}").repeated(500) + "]";
    const struct {
        QByteArray entry;
        const char* read;
    } cases[] = {
        {R"({"ref\u006eo": "af-00\u0031", "n\u0061me": " Caf\u00e9 \ud83d\ude00 ", "pc_credited": "37.2"})",
         "AF-001|Café 😀|37.2|listed|?|?|?"},
        {R"({"refno": "EU-005", "refno": "EU-007", "name": "First", "name": "Second", "pc_credited": 1e1})",
         "EU-007|Second|10|listed|?|?|?"},
        {"{\"refno\": \"NA-001\", \"sub_groups\": " + deepIslands +
             R"(, "grp_region": "WI", "dxcc_num": 60, "latitude_min": 21.58, "latitude_max": "25.70",
                 "longitude_min": -79.0, "longitude_max": "-74.25"})",
         "NA-001|?|?|listed|W|60|-79 -74.25 21.58 25.7"},
        {R"({"refno": "OC-002", "sub_groups": [{"status": "\u0044", "islands": [{"status": "Active"}]},
                                                {"islands": [], "status": " deleted "}]})",
         "OC-002|?|?|deleted|?|?|?"},
        {R"({"refno": "OC-003", "sub_groups": [{"status": "D"}, 3]})", "OC-003|?|?|listed|?|?|?"},
        {R"({"refno": "OC-004", "sub_groups": {"status": "D"}, "deleted": "yes"})", "OC-004|?|?|deleted|?|?|?"},
        {R"({"refno": "OC-005", "name": ["a"], "pc_credited": {"v": 1}, "deleted": null, "status": 1})",
         "OC-005|?|?|listed|?|?|?"},
    };
    for (const auto& c : cases) {
        const IotaJsonList list = parseIotaJsonList("[" + c.entry + "]", "list.json");
        ASSERT_EQ(list.groups.size(), 1u) << c.entry.toStdString();
        EXPECT_EQ(groupLine(list.groups.front()), QString::fromUtf8(c.read)) << c.entry.left(300).toStdString();
    }
}

// A text that is no JSON is refused as such even when an earlier entry is no group, as when the
// document was read whole before its entries.
TEST(IotaJsonReader, NamesAJsonFaultBeforeAnEntrysFault) {
    const struct {
        QByteArray list;
        const char* fault;
    } cases[] = {
        {R"([{"refno": "AF-001"}, 3, {"grp_region": "XX"})", "it is no valid JSON (unterminated array at byte"},
        {R"([{"refno": "AF-001"}, {"grp_region": "XX"}, 3 x])", "it is no valid JSON (missing value separator"},
        {R"([{"refno": "AF-001"}, {"grp_region": "XX"}, 3])", "the group of entry 2 has the grp_region \"XX\""},
        {R"([{"refno": "AF-001"}, 3, {"grp_region": "XX"}])", "entry 2 of the list is no group"},
        {R"({"refno": "AF-001"} [)", "it is no valid JSON (garbage at the end of the document at byte 20)"},
        {"[{\"refno\": \"AF-001\", \"name\": \"\xC3\x28\"}]", "it is no valid JSON (invalid UTF8 string at byte"},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(failureOf(c.list).contains(QString::fromUtf8(c.fault))) << failureOf(c.list).toStdString();
}

// The programme's own list: what the reader picks is what the whole document holds.
TEST(IotaJsonReader, ReadsTheProgrammesListAsTheWholeDocumentHoldsIt) {
    SKIP_WITHOUT_REAL_FILE(path, "iota/fulllist.json");
    const IotaJsonList list = readIotaJsonList(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonArray document = QJsonDocument::fromJson(file.readAll()).array();
    ASSERT_EQ(list.groups.size(), 1178u);
    ASSERT_EQ(qsizetype(list.groups.size()), document.size());
    QMap<QString, int> regions;
    int namesTrimmed = 0;
    for (qsizetype i = 0; i < document.size(); ++i) {
        const QJsonObject entry = document[i].toObject();
        const IotaGroup& group = list.groups[size_t(i)];
        EXPECT_EQ(group.reference, entry["refno"].toString());
        EXPECT_EQ(group.name.value_or(""), entry["name"].toString().trimmed());
        EXPECT_EQ(group.credited, entry["pc_credited"].toString().toDouble());
        EXPECT_FALSE(group.deleted) << "no group of this copy is marked deleted";
        ++regions[group.group.value_or("?")];
        namesTrimmed += entry["name"].toString().endsWith(u' ');
    }
    EXPECT_EQ(regions, (QMap<QString, int>{{"A", 120}, {"B", 28}, {"W", 59}, {"", 971}}));
    EXPECT_EQ(namesTrimmed, 25);
    const auto wrangel = std::find_if(list.groups.begin(), list.groups.end(),
                                      [](const IotaGroup& group) { return group.reference == "AS-027"; });
    ASSERT_NE(wrangel, list.groups.end());
    EXPECT_EQ(boxText(wrangel->box), "178.25 -175.25 70.67 71.75") << "across the date line";
}

}  // namespace
