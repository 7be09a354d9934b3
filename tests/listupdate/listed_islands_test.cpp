#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "base/failure.h"
#include "listupdate/listed_islands.h"
#include "register/delivered_data.h"
#include "register/store/database.h"

namespace {

const QStringList kListText{
    "IOTA list, issue of the year",
    "ISLAND   AF-001 3B6         Agalega Islands",
    "ISLAND   AF-005 DELETED     ",
    "ISLAND   AF-001 XXX         Listed twice: the later line decides",
    "ISLAND   EU-010 GM          Scottish Islands",
    "BI       EU-010",
    "ISLAND   EU-0x1 GM          Not well-formed",
};

TEST(ListedIslands, TakesTheIslandLinesOnceEachWithTheirColumns) {
    const std::vector<ListedIsland> islands = listedIslands(kListText);
    ASSERT_EQ(islands.size(), 3u);
    EXPECT_EQ(islands[0].reference, "AF-001");
    EXPECT_EQ(islands[0].prefix, "3B6       ");
    EXPECT_EQ(islands[0].name, "Agalega Islands");
    EXPECT_EQ(islands[1].reference, "AF-005");
    EXPECT_EQ(islands[2].reference, "EU-010");
}

// Reads one table as "IOTA Status ABW Prefix" rows.
QStringList rows(store::Database& db, const QString& table) {
    store::Statement& select =
        db.prepare(QString("SELECT IOTA, Status, ABW, Prefix, Island FROM \"%1\" ORDER BY Key").arg(table));
    QStringList found;
    while (select.step())
        found << QStringList{select.columnText(0), select.columnText(1), select.columnText(2), select.columnText(3),
                             select.columnText(4)}
                     .join(u'|');
    return found;
}

TEST(DataFolderFromUpdate, NumbersAsTheDeliveredFolderAndAppliesTheList) {
    QTemporaryDir dir;
    EXPECT_EQ(createDataFolderFromUpdate(dir.path(), kListText), 3);
    store::Database db(QDir(dir.path()).filePath("Data"));
    const QStringList africa = rows(db, "IOTA-AF");
    ASSERT_EQ(africa.size(), 5 + kUnallocatedPadding);
    EXPECT_EQ(africa[0].toStdString(), "AF-001|-||XXX       |Listed twice: the later line decides")
        << "as applying the text";
    EXPECT_EQ(africa[1].toStdString(), "AF-002|U|||");
    EXPECT_EQ(africa[4].toStdString(), "AF-005|D||DELETED|DELETED") << "a reference listed as deleted is deleted";
    const QStringList europe = rows(db, "IOTA-EU");
    ASSERT_EQ(europe.size(), 10 + kUnallocatedPadding);
    EXPECT_EQ(europe[9].toStdString(), "EU-010|-|B|GM        |Scottish Islands");
    EXPECT_EQ(rows(db, "IOTA-OC").size(), kUnallocatedPadding);
}

TEST(DataFolderFromUpdate, RefusesWhenADatabaseIsThere) {
    QTemporaryDir dir;
    createDataFolderFromUpdate(dir.path(), kListText);
    EXPECT_THROW(createDataFolderFromUpdate(dir.path(), {"ISLAND   OC-001 VK          Australia"}), Failure);
    store::Database db(QDir(dir.path()).filePath("Data"));
    EXPECT_EQ(rows(db, "IOTA-OC").first().toStdString(), "OC-001|U|||") << "the first folder stays as it was";
}

}  // namespace
