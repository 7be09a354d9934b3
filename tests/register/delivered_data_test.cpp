#include "register/delivered_data.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "base/failure.h"
#include "listupdate/listed_islands.h"
#include "register/store/database.h"
#include "support/data_folder.h"
#include "support/files.h"

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

// The padding stops at number 999, and a listed number 000 is passed over rather than counted.
TEST(DeliveredData, PadsUpToNumber999AndPassesOverNumber000) {
    const struct {
        QStringList listedNumbers;
        int listedReferences;
        const char* lastReference;
    } cases[] = {
        {{"973"}, 1, "EU-998"}, {{"974"}, 1, "EU-999"},        {{"975"}, 1, "EU-999"},        {{"999"}, 1, "EU-999"},
        {{"000"}, 0, "EU-025"}, {{"000", "003"}, 1, "EU-028"}, {{"990", "000"}, 1, "EU-999"},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        QStringList lines;
        for (const QString& number : c.listedNumbers) lines << "ISLAND   EU-" + number + " G           Listed island";
        const QString name = c.listedNumbers.join(',');
        EXPECT_EQ(createDataFolderFromUpdate(dir.path(), lines), c.listedReferences) << name.toStdString();
        store::Database db(QDir(dir.path()).filePath("Data"));
        store::Statement& last = db.prepare("SELECT count(*), max(IOTA), sum(IOTA = 'EU-000') FROM \"IOTA-EU\"");
        ASSERT_TRUE(last.step());
        EXPECT_EQ(last.columnText(1), c.lastReference) << name.toStdString();
        EXPECT_EQ(last.columnInteger(0), QString(c.lastReference).mid(3).toInt()) << name.toStdString();
        EXPECT_EQ(last.columnInteger(2), 0) << name.toStdString();
    }
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
    const QString list =
        writeFile(dir.filePath("iota.tbl"),
                  "EU-005|Great Britain|G|G\r\nEU-005|Isle of Wight|G|GB\r\nbad line\r\nXX-001|Nowhere|X|\r\n"
                  "NA-136|Connecticut State group|W\r\nEU-000|No island|X|\r\nOC-001|Austr\xC3\xA1lia|VK|VK\r\n");
    const auto islands = readIotaTable(list);
    ASSERT_EQ(islands.size(), 3u);
    EXPECT_EQ(islands[0].name, "Great Britain");
    EXPECT_EQ(islands[1].prefix, "W");
    EXPECT_EQ(islands[2].name, QString::fromUtf8("Austr\xC3\xA1lia"));
}

}  // namespace
