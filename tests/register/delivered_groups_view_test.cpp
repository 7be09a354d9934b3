#include <QCoreApplication>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>

#include "register/delivered_data.h"
#include "register/store/database.h"
#include "support/gui_fixture.h"
#include "support/screenshot.h"

namespace {

// A new data folder, made as "skerrydesk-cli init" and so the first start make it, has the group
// codes of the award programme's list: the British Isles view lists its 28 groups.
TEST_F(GuiTest, BritishIslesOfANewDataFolderListsTheProgrammesGroups) {
    if (!QFile::exists(kDebianIotaList)) GTEST_SKIP() << "cqrlog-data is not installed";
    QTemporaryDir working;
    createDataFolderFromDebianList(working.path());
    {
        store::Database db(working.filePath("Data"));
        db.execute(
            "UPDATE \"Owner\" SET Value = 'DL1ABC' WHERE Name = 'Callsign';"
            "UPDATE \"Owner\" SET Value = '4711' WHERE Name = 'Directory No'");
    }
    const std::unique_ptr<TForm1> form = startForm(Paths{working.path(), QCoreApplication::applicationDirPath()});
    form->show();
    press(*form, QStringLiteral("BritishIsles1"));
    EXPECT_TRUE(errorBoxTexts(dialogs).isEmpty());
    EXPECT_EQ(form->Table1.Filter(), "ABW = 'B'");
    ASSERT_EQ(form->DBGrid1->model()->rowCount(), 28);
    const auto cell = [&](int row, int column) {
        return form->DBGrid1->model()->data(form->DBGrid1->model()->index(row, column)).toString();
    };
    EXPECT_EQ(cell(0, 0), "EU-005");
    EXPECT_EQ(cell(0, 1), "B");
    EXPECT_EQ(cell(0, 3), "Great Britain");
    saveScreenshot(*form, QStringLiteral("british-isles-new-data-folder"));
}

}  // namespace
