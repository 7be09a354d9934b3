#include <gtest/gtest.h>

#include "base/failure.h"
#include "register/rarity_table.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "reports/rarity_want_list.h"
#include "support/data_folder.h"
#include "support/recorded_progress.h"

namespace {

using reports::rarityWantListEntry;

QString reference(const char* code, int number) {
    return QStringLiteral("%1-%2").arg(QLatin1String(code)).arg(number, 3, 10, QChar('0'));
}

TEST(RarityWantListEntry, ShowsThePercentageInFifteenCharacters) {
    EXPECT_EQ(rarityWantListEntry("OC-123", 0.84), "  OC-123   0.8%");
    EXPECT_EQ(rarityWantListEntry("EU-005", 100), "  EU-005 100.0%");
    EXPECT_EQ(rarityWantListEntry("EU-005", std::nullopt), "  EU-005    n/a");
}

// Twelve needed references in Europe, the higher the number the rarer, EU-005 without a share;
// one in Africa without any share, AN-002 worked. Rarest first, eleven entries a line.
TEST(RarityWantListText, ListsTheNeededReferencesRarestFirstUnderTheirHeadings) {
    std::vector<ListedIsland> islands{
        {"AF-001", "Agalega", "3B6"}, {"AN-001", "Antarctica", "CE9"}, {"AN-002", "Bouvet", "3Y"}};
    for (int number = 1; number <= 12; ++number) islands.push_back({reference("EU", number), "Isle", "G"});
    TestDataFolder folder(islands);
    folder.execute("UPDATE \"IOTA-AN\" SET Status = 'W' WHERE IOTA = 'AN-002'");
    QHash<QString, double> credited{{"AN-001", 50}, {"AN-002", 1}};
    for (int number = 1; number <= 12; ++number)
        if (number != 5) credited.insert(reference("EU", number), 100 - number);
    credited["EU-003"] = credited["EU-004"];  // a tie keeps reference order

    store::Database db(folder.dataFolder());
    store::Table table(db);
    RecordedProgress progress;
    const QStringList memo = reports::rarityWantListText(table, credited, progress);
    const std::vector<int>& steps = progress.steps;

    QString europe;
    for (int number : {12, 11, 10, 9, 8, 7, 6, 3, 4, 2, 1})
        europe += rarityWantListEntry(reference("EU", number), credited[reference("EU", number)]);
    const QStringList expected{
        "Africa:",
        rarityWantListEntry("AF-001", std::nullopt),
        "",
        "Antarctica:",
        rarityWantListEntry("AN-001", 50),
        "",
        "Asia:",
        "",
        "",
        "Europe:",
        europe,
        rarityWantListEntry("EU-005", std::nullopt),
        "",
        "Northamerica:",
        "",
        "",
        "Oceania:",
        "",
        "",
        "Southamerica:",
        "",
        "",
    };
    EXPECT_EQ(memo, expected);
    EXPECT_EQ(steps, (std::vector<int>{14, 14, 14, 14, 14, 14, 16}));
    EXPECT_EQ(reports::rarityWantListKind().caption, "by &rarity");
}

TEST(RarityWantListText, WithoutRaritySaysHowToGetIt) {
    TestDataFolder folder;
    store::Database db(folder.dataFolder());
    store::Table table(db);
    EXPECT_TRUE(readRarity(db).isEmpty()) << "a data folder without the table opens";
    try {
        reports::rarityWantListText(table, readRarity(db));
        ADD_FAILURE() << "a want list without rarity";
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.message().contains("skerrydesk-cli import-list FILE")) << failure.message().toStdString();
        EXPECT_TRUE(failure.message().contains("... from IOTA list (JSON)")) << failure.message().toStdString();
    }
}

}  // namespace
