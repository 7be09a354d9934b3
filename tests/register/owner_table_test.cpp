#include "register/owner_table.h"

#include <gtest/gtest.h>

#include "base/failure.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "support/data_folder.h"

namespace {

struct OwnerCase {
    const char* row;
    QString written;
    QString readBack;  // what every read gives afterwards
    bool rowExists;
};

TEST(OwnerTable, RowsAreReadAndWrittenByNameAndValuesCutToTheFieldSize) {
    const QString longValue(60, u'x');
    const OwnerCase cases[] = {
        {"Callsign", "G3ABC", "G3ABC", true},
        {"C'vted to Directory 2000", "Yes", "Yes", true},
        {"Name", longValue, longValue.left(50), true},
        {"Name", "", "", true},
        {"No such row", "x", "", false},
    };
    TestDataFolder folder;
    store::Database db;
    db.setPath(folder.dataFolder());
    store::Table table(db);
    for (const OwnerCase& c : cases) {
        const QString row = QString::fromLatin1(c.row);
        if (c.rowExists) {
            owner::writeValue(table, row, c.written);
            EXPECT_FALSE(table.Active()) << c.row;
        } else {
            try {
                owner::writeValue(table, row, c.written);
                ADD_FAILURE() << row.toStdString() << ": no failure";
            } catch (const Failure& failure) {
                EXPECT_TRUE(failure.message().contains(row)) << failure.message().toStdString();
            }
        }
        EXPECT_EQ(owner::readValue(table, row), c.readBack) << c.row;
        EXPECT_EQ(owner::readAllValues(table).value(row), c.readBack) << c.row;
    }
    EXPECT_EQ(owner::readValue(table, "Callsign"), "G3ABC") << "later writes leave other rows alone";
}

}  // namespace
