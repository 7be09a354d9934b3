#include <gtest/gtest.h>

#include "register/list_grid_model.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "support/data_folder.h"

// The list resets only when its records change and asks for sizing once per table and columns.
TEST(ListGridModel, SizesOncePerViewAndLeavesAnEmptyListAlone) {
    TestDataFolder folder;
    store::Database database(folder.dataFolder());
    store::Table table(database);
    ListGridModel model(table);
    int resets = 0;
    int views = 0;
    QObject::connect(&model, &QAbstractItemModel::modelReset, [&resets] { ++resets; });
    QObject::connect(&model, &ListGridModel::newViewShown, [&views] { ++views; });
    model.setColumns({QStringLiteral("Name"), QStringLiteral("Value")});
    table.Close();
    EXPECT_EQ(resets, 1) << "closing a closed table changes nothing on show";

    table.setTableName(QStringLiteral("Owner"));
    table.Open();
    table.setFilter(QStringLiteral("Name = 'Directory No'"));
    table.setFiltered(true);
    EXPECT_EQ(resets, 3);
    EXPECT_EQ(views, 1) << "another filter is the same view";

    model.setColumns({QStringLiteral("Name")});
    table.Close();
    table.Open();
    EXPECT_EQ(views, 2) << "other columns are another view";
}
