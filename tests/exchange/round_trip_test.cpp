// A member file imported and exported again: the update file's island lines carry the member
// file's references and call words.
#include <gtest/gtest.h>

#include <QMap>

#include "exchange/member_import.h"
#include "exchange/update_export.h"
#include "exchange_fixture.h"
#include "register/codes.h"

namespace {

TEST_F(ExchangeTest, MemberFileRoundTripKeepsReferencesAndCallWords) {
    // Every reference of the sample folder, listed with a callsign, NONE, DELETED or as unallocated.
    QStringList memberLines = {"CALLSIGN G3ABC", "DIRNUM   01234"};
    QMap<QString, QString> expectedWords;
    int n = 0;
    for (const Continent& continent : continents()) {
        for (const QString& reference : folder.column(continent.tableName, "IOTA")) {
            switch (n++ % 4) {
                case 0:
                    memberLines << memberIsland(reference, "CALL" + QString::number(n), "PFX", "Island " + reference);
                    expectedWords[reference] = "CALL" + QString::number(n);
                    break;
                case 1:
                    memberLines << memberIsland(reference, "NONE", "PFX", "Island " + reference);
                    expectedWords[reference] = "NONE";
                    break;
                case 2:
                    memberLines << memberIsland(reference, "DELETED", "DELETED", "");
                    expectedWords[reference] = "DELETED";
                    break;
                default:
                    memberLines << memberIsland(reference, "NONE", "Unallocate", "");
            }
        }
    }
    {
        Gauge gauge;
        importMemberLines(database, table, memberLines, startState().counts, gauge);
    }
    const FixedClock clock(QDateTime(QDate(2004, 3, 5), QTime(14, 7, 9)));
    const UpdateFile file = exportUpdateFile(database, table, folder.path() + "/g3abc.upd", "G3ABC", "01234", clock);

    QMap<QString, QString> exportedWords;
    for (const QString& line : file.lines)
        if (line.startsWith("ISLAND   ")) exportedWords[line.mid(9, 6)] = line.mid(16, 14).trimmed();
    EXPECT_EQ(exportedWords.size(), expectedWords.size()) << "unallocated references are left out";
    for (auto expected = expectedWords.cbegin(); expected != expectedWords.cend(); ++expected)
        EXPECT_EQ(exportedWords.value(expected.key()), expected.value()) << expected.key().toStdString();
}

}  // namespace
