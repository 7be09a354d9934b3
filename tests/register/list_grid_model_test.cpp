#include <gtest/gtest.h>

#include "register/list_grid_model.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "support/data_folder.h"

TEST(ListGridModel, ShowsTheChosenFieldsOfTheVisibleRecords) {
    TestDataFolder folder;
    const QStringList names = folder.column(QStringLiteral("Owner"), QStringLiteral("Name"));
    store::Database database(folder.dataFolder());
    store::Table table(database);
    ListGridModel model(table);
    model.setColumns({QStringLiteral("Name"), QStringLiteral("Value"), QStringLiteral("Nonesuch")});
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.columnCount(), 3);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal), QStringLiteral("Value"));

    table.setTableName(QStringLiteral("Owner"));
    table.setReadOnly(false);
    table.Open();
    ASSERT_EQ(model.rowCount(), names.size());
    EXPECT_EQ(model.data(model.index(0, 0)), names.front());
    EXPECT_EQ(model.data(model.index(0, 2)), QString());

    table.setFilter(QStringLiteral("Name = 'Directory No'"));
    table.setFiltered(true);
    ASSERT_EQ(model.rowCount(), 1);
    int changes = 0;
    QObject::connect(&model, &QAbstractItemModel::dataChanged, [&changes] { ++changes; });
    table.Edit();
    table.FieldByName(QStringLiteral("Value")).setAsString(QStringLiteral("4711"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(model.data(model.index(0, 1)), QStringLiteral("4711"));

    table.Close();
    EXPECT_EQ(model.rowCount(), 0);
}
