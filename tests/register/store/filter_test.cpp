#include "register/store/filter.h"

#include <gtest/gtest.h>

#include "base/failure.h"

namespace {

const QStringList kIslandFields{"Key", "ABW", "IOTA", "Prefix", "Island", "Call", "Status", "Comment"};

QStringList island(const QString& abw, const QString& call, const QString& status) {
    return {"1", abw, "EU-001", "SV8", "Aegean", call, status, ""};
}

bool passes(const QString& filter, const QStringList& record) {
    return store::FilterExpression::parse(filter, "IOTA-EU", kIslandFields)->matches(record);
}

QString failureOf(const QString& filter) {
    try {
        store::FilterExpression::parse(filter, "IOTA-EU", kIslandFields);
    } catch (const Failure& failure) {
        return failure.message();
    }
    return {};
}

TEST(Filter, AcceptsEveryShapeTheCommandsWrite) {
    const auto arcticWorked = island("A", "OH0X", "W");
    EXPECT_TRUE(passes("Status = 'W'  and ABW = 'A'", arcticWorked));
    EXPECT_TRUE(passes("(Status = 'A' or Status = 'C' or Status = 'W' or Status = '-')and ABW = 'A'", arcticWorked));
    EXPECT_TRUE(passes("ABW = 'A' and (Status = '-' or Status = 'W')", arcticWorked));
    EXPECT_TRUE(passes("Status ='W'", arcticWorked));
    EXPECT_TRUE(passes("Status = 'C' or Status = 'A' or Status = 'W'", arcticWorked));
    EXPECT_TRUE(passes("Status <> 'U'", island("", "", "D")));
    EXPECT_FALSE(passes("Status <> 'U'", island("", "", "U")));
    EXPECT_TRUE(passes("", arcticWorked));
    EXPECT_TRUE(passes("   ", arcticWorked));
    EXPECT_FALSE(passes("(Status = 'C' or Status = 'A') and ABW = 'A'", arcticWorked));
}

TEST(Filter, AndBindsBeforeOr) {
    // "W or (- and B)": a worked record outside the British Isles passes.
    EXPECT_TRUE(passes("Status = 'W' or Status = '-' and ABW = 'B'", island("", "", "W")));
    EXPECT_FALSE(passes("Status = 'C' or Status = '-' and ABW = 'B'", island("", "", "-")));
    EXPECT_TRUE(passes("Status = 'C' or Status = '-' and ABW = 'B'", island("B", "", "-")));
    EXPECT_FALSE(passes("(Status = 'W' or Status = '-') and ABW = 'B'", island("", "", "W")));
}

TEST(Filter, ComparesExactlyAndCaseSensitively) {
    EXPECT_FALSE(passes("Status = 'a'", island("", "", "A")));
    EXPECT_FALSE(passes("Call = 'G3'", island("", "G3X", "W")));
    EXPECT_FALSE(passes("Call = 'G3X'", island("", "G3X ", "W")));
    EXPECT_TRUE(passes("status = 'A'", island("", "", "A"))) << "field names are not case-sensitive";
}

TEST(Filter, StarAtTheEndTestsAPrefixAndNothingElseIsAWildcard) {
    EXPECT_TRUE(passes("Call = '/*'", island("", "/KH6", "A")));
    EXPECT_TRUE(passes("Call = '/*'", island("", "/", "A")));
    EXPECT_FALSE(passes("Call = '/*'", island("", "KH6/P", "A")));
    EXPECT_TRUE(passes("Call = '*'", island("", "", "A")));
    EXPECT_TRUE(passes("Call <> '/*'", island("", "KH6/P", "A")));
    EXPECT_FALSE(passes("Call = 'K*6'", island("", "KH6", "A"))) << "a star inside the constant is literal";
    EXPECT_TRUE(passes("Call = 'K*6'", island("", "K*6", "A")));
    EXPECT_TRUE(passes("Call = '%_*'", island("", "%_X", "A"))) << "SQL pattern characters are literal";
    EXPECT_FALSE(passes("Call = '%_*'", island("", "AB", "A")));
}

TEST(Filter, DoubledQuotesStandForOneQuote) {
    const QStringList ownerFields{"No", "Name", "Value", "Permission"};
    auto filter = store::FilterExpression::parse("Name = 'Don''t show on listings'", "Owner", ownerFields);
    EXPECT_TRUE(filter->matches({"1", "Don't show on listings", "", ""}));
    EXPECT_EQ(filter->parameters(), QStringList{"Don't show on listings"});
    EXPECT_FALSE(filter->whereSql().contains("Don")) << "constants are bound, never pasted into SQL";
}

TEST(Filter, MalformedFiltersAndUnknownFieldsNameTheProblem) {
    for (const QString& filter : {QString("Status = 'A"), QString("Status == 'A'"), QString("Status = A"),
                                  QString("(Status = 'A'"), QString("Status = 'A')"), QString("Status = 'A' and"),
                                  QString("and Status = 'A'"), QString("Status 'A'"), QString("Status = 'A' ; drop")}) {
        const QString message = failureOf(filter);
        EXPECT_TRUE(message.contains("malformed")) << filter.toStdString() << ": " << message.toStdString();
        EXPECT_TRUE(message.contains(filter)) << "the message quotes the filter: " << message.toStdString();
    }
    const QString unknown = failureOf("Statu = 'A'");
    EXPECT_TRUE(unknown.contains("\"Statu\"") && unknown.contains("IOTA-EU")) << unknown.toStdString();
}

}  // namespace
