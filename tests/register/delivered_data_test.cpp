#include "register/delivered_data.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/failure.h"
#include "support/data_folder.h"

namespace {

TEST(DeliveredData, NumbersEveryReferenceAndPadsWithUnallocatedOnes) {
    TestDataFolder folder;
    const QStringList references = folder.column("IOTA-AS", "IOTA");
    ASSERT_EQ(references.size(), 4 + kUnallocatedPadding);
    EXPECT_EQ(references.first(), "AS-001");
    EXPECT_EQ(references.last(), "AS-029");
    const QStringList statuses = folder.column("IOTA-AS", "Status");
    EXPECT_EQ(statuses.mid(0, 5), (QStringList{"-", "U", "U", "-", "U"}));
    EXPECT_EQ(folder.column("IOTA-AS", "Island")[3], "Cyprus");
    EXPECT_EQ(folder.column("IOTA-AS", "Prefix")[3], "5B");
    EXPECT_EQ(folder.column("IOTA-AS", "Island")[1], "") << "unallocated numbers have empty fields";
    EXPECT_EQ(folder.column("IOTA-AS", "ABW").join(""), "") << "group codes come with the member file";
}

TEST(DeliveredData, OwnerAndAwardRows) {
    TestDataFolder folder;
    const QStringList names = folder.column("Owner", "Name");
    for (const char* name : {"Callsign", "Directory No", "Mode endorsement", "Awards group", "KAYROLL Computer updates",
                             "Checkpoint", "Last updated", "Last exported", "County", "C'vted to Directory 2000",
                             "Don't show on listings", "Other Calls4", "Comments2", "Name on Certificate"})
        EXPECT_TRUE(names.contains(name)) << name;
    EXPECT_EQ(folder.column("Owner", "No").first(), "1");
    EXPECT_EQ(folder.column("Owner", "Value").join(""), "");
    const QStringList permissions = folder.column("Owner", "Permission");
    EXPECT_EQ(permissions[names.indexOf("Town")], "public");
    EXPECT_EQ(permissions[names.indexOf("E-mail")], "public");
    EXPECT_EQ(permissions[names.indexOf("Other Calls1")], "public");
    EXPECT_EQ(permissions[names.indexOf("Callsign")], "");
    EXPECT_EQ(permissions[names.indexOf("Silent key")], "");

    const QStringList awards = folder.column("Awards", "Award_name");
    EXPECT_EQ(awards.size(), 24);
    for (const QString& award : awards) EXPECT_LE(award.size(), 13) << award.toStdString();
    EXPECT_EQ(QSet<QString>(awards.begin(), awards.end()).size(), awards.size());
    EXPECT_EQ(folder.column("Awards", "Award_number").join(""), QString("NONE").repeated(24));
    EXPECT_EQ(folder.column("Awards", "Award_issued").first(), "XXXXXXXX");
}

TEST(DeliveredData, RefusesAnExistingDatabaseAndChangesNothing) {
    TestDataFolder folder;
    folder.setOwnerValue("Callsign", "G3KMA");
    EXPECT_THROW(createDeliveredDataFolder(folder.path(), TestDataFolder::sampleIslands()), Failure);
    EXPECT_EQ(folder.ownerValue("Callsign"), "G3KMA");
    EXPECT_EQ(QDir(folder.dataFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"skerrydesk.db"});
}

TEST(DeliveredData, ReadsTheDebianListFirstLineFirst) {
    QTemporaryDir dir;
    QFile list(dir.filePath("iota.tbl"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write(
        "EU-005|Great Britain|G|G\r\nEU-005|Isle of Wight|G|GB\r\nbad line\r\nXX-001|Nowhere|X|\r\n"
        "NA-136|Connecticut State group|W\r\nOC-001|Austr\xC3\xA1lia|VK|VK\r\n");
    list.close();
    const auto islands = readIotaTable(list.fileName());
    ASSERT_EQ(islands.size(), 3u);
    EXPECT_EQ(islands[0].name, "Great Britain");
    EXPECT_EQ(islands[1].prefix, "W");
    EXPECT_EQ(islands[2].name, QString::fromUtf8("Austr\xC3\xA1lia"));
}

}  // namespace
