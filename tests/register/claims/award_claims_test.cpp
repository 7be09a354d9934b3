#include <gtest/gtest.h>

#include <QStringList>

#include "base/clock.h"
#include "register/claims/award_claims.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "support/data_folder.h"
#include "support/fixed_clock.h"

namespace {

const FixedClock kEighthOfDecember2007(QDateTime(QDate(2007, 12, 8), QTime(14, 7, 9)));

TEST(ClaimDate, IsDayMonthAndTwoDigitYear) {
    const std::pair<QString, QString> cases[] = {
        {"08.12.2007 14:07:09", "08-12-07"},
        {"31.12.2003 23:59:59", "31-12-03"},
        {"01.01.2000 00:00:00", "01-01-00"},
    };
    for (const auto& [dateTime, claimDate] : cases)
        EXPECT_EQ(claimDateText(dateTime), claimDate) << "from " << dateTime.toStdString();
}

TEST(ClaimDate, HasTheEightCharactersOfTheUpdateFileDateColumn) {
    EXPECT_EQ(claimDateText(dateTimeText(kEighthOfDecember2007)).size(), 8);
}

TEST(AwardClaim, ClaimStoresClaimAndTodaysClaimDate) {
    EXPECT_EQ(awardClaim(QStringLiteral("CLAIM"), kEighthOfDecember2007), (AwardClaim{"CLAIM", "08-12-07"}));
}

TEST(AwardClaim, NoneStoresNoneAndNoIssueDate) {
    EXPECT_EQ(awardClaim(QStringLiteral("NONE"), kEighthOfDecember2007), (AwardClaim{"NONE", "XXXXXXXX"}));
}

TEST(AwardClaim, ItemsAreClaimThenNone) {
    EXPECT_EQ(claimItems(), (QStringList{"CLAIM", "NONE"}));
}

// The claim view's filter over a delivered Awards table in which award 1 is issued and
// award 2 claimed.
class ClaimViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.execute(
            QStringLiteral("UPDATE \"Awards\" SET Award_number = '1234', Award_issued = '01-02-03' "
                           "WHERE No = 1"));
        folder.execute(
            QStringLiteral("UPDATE \"Awards\" SET Award_number = 'CLAIM', Award_issued = '05-06-07' "
                           "WHERE No = 2"));
        awardCount = folder.column(QStringLiteral("Awards"), QStringLiteral("No")).size();
        database = std::make_unique<store::Database>(folder.dataFolder());
        table = std::make_unique<store::Table>(*database);
        table->setTableName(QStringLiteral("Awards"));
        table->setReadOnly(false);
        table->setFilter(kClaimViewFilter);
        table->setFiltered(true);
        table->Open();
    }

    QStringList visibleNumbers() const {
        QStringList numbers;
        const int column = table->fieldIndex(QStringLiteral("Award_number"));
        for (int row = 0; row < table->RecordCount(); ++row) numbers << table->valueAt(row, column);
        return numbers;
    }

    TestDataFolder folder;
    qsizetype awardCount = 0;
    std::unique_ptr<store::Database> database;
    std::unique_ptr<store::Table> table;
};

TEST_F(ClaimViewTest, ListsClaimedAndUnclaimedAwardsButNotIssuedOnes) {
    ASSERT_GE(awardCount, 3);
    const QStringList numbers = visibleNumbers();
    EXPECT_EQ(numbers.size(), awardCount - 1);
    EXPECT_FALSE(numbers.contains(QStringLiteral("1234"))) << numbers.join(u',').toStdString();
    EXPECT_EQ(numbers.first(), QStringLiteral("CLAIM"));
    for (const QString& number : numbers) EXPECT_TRUE(number == "NONE" || number == "CLAIM") << number.toStdString();
}

TEST_F(ClaimViewTest, ClaimOnTheLastRecordIsPostedByMovingOnAndStaysListed) {
    const int last = table->RecordCount() - 1;
    table->MoveTo(last);
    const AwardClaim claim = awardClaim(QStringLiteral("CLAIM"), kEighthOfDecember2007);
    table->Edit();
    table->FieldByName(QStringLiteral("Award_number")).setAsString(claim.Award_number);
    table->FieldByName(QStringLiteral("Award_issued")).setAsString(claim.Award_issued);
    table->Next();
    table->Close();
    table->Open();
    EXPECT_EQ(table->RecNo(), 0) << "the list reopens at its first record";
    EXPECT_EQ(table->RecordCount(), last + 1) << "the claimed award is still listed";
    EXPECT_EQ(table->valueAt(last, table->fieldIndex(QStringLiteral("Award_number"))), QStringLiteral("CLAIM"));
    EXPECT_EQ(table->valueAt(last, table->fieldIndex(QStringLiteral("Award_issued"))), QStringLiteral("08-12-07"));
}

}  // namespace
