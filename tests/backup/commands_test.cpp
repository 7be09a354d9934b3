#include <QDir>
#include <QTableWidget>

#include "backup/backups.h"
#include "backup/backups_dialog.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "support/gui_fixture.h"
#include "support/screenshot.h"
#include "support/table_rows.h"

namespace {

class Backups : public GuiTest {
protected:
    void SetUp() override { setOwner(QStringLiteral("DL1ABC"), QStringLiteral("4711")); }
    QString liveFile() const { return QDir(folder.dataFolder()).filePath(store::Database::kFileName); }
    QStringList backupCommands() const {
        QStringList commands;
        for (const backup::Backup& backup : backup::listBackups(folder.dataFolder())) commands << backup.name.command;
        return commands;
    }
};

TEST_F(Backups, RestoreInTheBackupsDialogAsksThenBacksUpAndRestoresWithNoViewAfterwards) {
    const TableRows before = readTableRows(liveFile());
    {
        store::Database db(folder.dataFolder());
        backup::beforeCommand(db, QStringLiteral("import-member"));
    }
    folder.execute(QStringLiteral("UPDATE \"IOTA-EU\" SET Status = 'A' WHERE Status = '-'"));
    auto form = startForm();
    form->show();
    dialogs
        .answerExec(QDialog::Accepted,
                    [&](QDialog& dialog) {
                        const QTableWidget& list = *static_cast<TBackupsDialog&>(dialog).BackupList;
                        ASSERT_EQ(list.rowCount(), 1);
                        EXPECT_EQ(list.item(0, 1)->text(), QStringLiteral("import-member"));
                        EXPECT_TRUE(list.item(0, 2)->text().contains(QStringLiteral("A 0 \u2192 ")))
                            << list.item(0, 2)->text().toStdString();
                        dialog.show();
                        saveScreenshot(dialog, QStringLiteral("backups-dialog"));
                        press(*form, QStringLiteral("RestoreButton"));
                    })
        .answerMessage(QMessageBox::Yes);
    press(*form, QStringLiteral("N9Backups1"));
    expectNoViewShown(*form);
    EXPECT_TRUE(dialogs.scriptUsedUp());
    EXPECT_TRUE(errorBoxTexts(dialogs).isEmpty());
    EXPECT_EQ(dialogs.asked(AskedDialog::Kind::Message).at(0).icon, QMessageBox::Question);
    form.reset();
    EXPECT_TRUE(readTableRows(liveFile()) == before);
    EXPECT_EQ(backupCommands(), (QStringList{"restore", "import-member"}));
}

TEST_F(Backups, LeavingEditModeWithRecordsWrittenBacksUp) {
    for (const bool written : {false, true}) {
        auto form = startForm();
        form->show();
        press(*form, QStringLiteral("EuropeButton"));
        press(*form, QStringLiteral("EditMode"));
        if (written) {
            form->Table1.Edit();
            form->Table1.FieldByName(QStringLiteral("Comment")).setAsString(QStringLiteral("kept by hand"));
            form->Table1.Post();
        }
        press(*form, QStringLiteral("EditMode"));
        EXPECT_EQ(backupCommands(), written ? QStringList{"edit-mode"} : QStringList()) << written;
    }
}

}  // namespace
