// The window on a damaged data folder: a table that lost a field, a database that cannot be opened.
#include <QDir>
#include <QTableWidget>

#include "backup/backups.h"
#include "backup/backups_dialog.h"
#include "register/store/database.h"
#include "support/gui_fixture.h"
#include "support/island_records.h"
#include "support/screenshot.h"
#include "support/spoilt_database.h"
#include "support/table_rows.h"

namespace {

class DamagedFolder : public GuiTest {
protected:
    void SetUp() override { setOwner(QStringLiteral("DL1ABC"), QStringLiteral("4711")); }
};

// "8 More > Import ADIF" reads every island record before the preview; a table without one of the
// fields it reads ends the command with the error box naming the field.
TEST_F(DamagedFolder, ImportAdifOnATableWithoutAFieldShowsTheErrorBox) {
    for (const char* field : {"IOTA", "Island", "Status"}) {
        TestDataFolder damaged;
        damaged.setOwnerValue(QStringLiteral("Callsign"), QStringLiteral("DL1ABC"));
        damaged.removeField(QStringLiteral("IOTA-EU"), QLatin1String(field));
        ScriptedDialogs answers;
        answers.answerOpenFile(fixtureFile(QStringLiteral("adif_rules"), QStringLiteral("input.adi"))).answerMessage();
        auto form = std::make_unique<TForm1>(Paths{damaged.path(), damaged.path()}, answers, clock, shell);
        form->show();
        press(*form, QStringLiteral("N8ImportADIF1"));
        EXPECT_EQ(errorBoxTexts(answers),
                  QStringList{QStringLiteral("Table \"IOTA-EU\" has no field \"%1\".").arg(QLatin1String(field))});
        expectNoViewShown(*form);
    }
}

// "Import from CP" on a table that lost a field fails part-way; the error box says what stays
// written and names the backup made just before, with the ways to restore it.
TEST_F(DamagedFolder, AMemberImportFailingPartWayNamesTheBackupBeforeIt) {
    folder.removeField(QStringLiteral("IOTA-SA"), QStringLiteral("Call"));
    dialogs.answerOpenFile(fixtureFile(QStringLiteral("member/island-rules"), QStringLiteral("member.mbr")))
        .answerMessage();
    auto form = startForm();
    form->show();
    press(*form, QStringLiteral("ImportButton"));
    const std::vector<backup::Backup> backups = backup::listBackups(folder.dataFolder());
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(errorBoxTexts(dialogs),
              QStringList{QStringLiteral("Table \"IOTA-SA\" has no field \"Call\"; the records before the failure are "
                                         "written; the backup made just before the command (%1) holds the state "
                                         "before it: `skerrydesk-cli restore \"%1\"` or \"8 More > Backups\".")
                              .arg(backups.front().name.id())});
    expectNoViewShown(*form);
}

// The program starts on a folder whose database is lost with the error box; "8 More > Backups" still
// lists the backups and Restore puts one in place, after which the program starts on it.
TEST_F(DamagedFolder, RestoreInTheBackupsDialogMendsAFolderThatFailedToOpen) {
    for (const SpoiltDatabase& spoilt : spoiltDatabases()) {
        TestDataFolder damaged;
        damaged.setOwnerValue(QStringLiteral("Callsign"), QStringLiteral("G3ABC"));
        const QString liveFile = QDir(damaged.dataFolder()).filePath(store::Database::kFileName);
        QString backupFile;
        {
            store::Database db(damaged.dataFolder());
            backupFile = backup::beforeCommand(db, QStringLiteral("import-member")).fileName;
        }
        const TableRows backedUp = readTableRows(backupFile);
        spoilt.spoil(liveFile);

        ScriptedDialogs answers;
        answers.answerMessage()
            .answerExec(QDialog::Accepted,
                        [&](QDialog& dialog) {
                            const QTableWidget& list = *static_cast<TBackupsDialog&>(dialog).BackupList;
                            ASSERT_EQ(list.rowCount(), 1) << spoilt.name;
                            EXPECT_EQ(list.item(0, 2)->text(), QStringLiteral("the tables cannot be read"));
                            dialog.show();
                            saveScreenshot(dialog, QStringLiteral("backups-dialog-of-a-lost-database"));
                            press(*static_cast<TForm1*>(dialog.parentWidget()), QStringLiteral("RestoreButton"));
                        })
            .answerMessage(QMessageBox::Yes);
        auto form = std::make_unique<TForm1>(Paths{damaged.path(), damaged.path()}, answers, clock, shell);
        form->show();
        ASSERT_EQ(errorBoxTexts(answers).size(), 1) << spoilt.name;
        EXPECT_TRUE(errorBoxTexts(answers)[0].contains(QLatin1String(spoilt.refusal)))
            << spoilt.name << ": " << errorBoxTexts(answers)[0].toStdString();

        press(*form, QStringLiteral("N9Backups1"));
        EXPECT_TRUE(answers.scriptUsedUp()) << spoilt.name;
        EXPECT_EQ(errorBoxTexts(answers).size(), 1)
            << spoilt.name << ": " << errorBoxTexts(answers).join('\n').toStdString();
        EXPECT_EQ(form->OwnerCallsign, QStringLiteral("G3ABC")) << spoilt.name << ": started on the restored tables";
        for (int count : form->StartCounts) EXPECT_GT(count, 0) << spoilt.name;
        expectNoViewShown(*form);
        form.reset();
        EXPECT_TRUE(readTableRows(liveFile) == backedUp) << spoilt.name;
        EXPECT_EQ(movedAsideFiles(damaged.dataFolder()).size(), spoilt.missing ? 0 : 1) << spoilt.name;
    }
}

}  // namespace
