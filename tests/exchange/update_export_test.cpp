#include "exchange/update_export.h"

#include <gtest/gtest.h>

#include <QDir>

#include "base/failure.h"
#include "base/text_file.h"
#include "exchange_fixture.h"
#include "register/codes.h"
#include "support/failing_device.h"
#include "support/files.h"

namespace {

const FixedClock kMarch5th(QDateTime(QDate(2004, 3, 5), QTime(14, 7, 9)));

QString exportedIsland(const QString& reference, const QString& word, const QString& comment) {
    return "ISLAND   " + reference + " " + word.leftJustified(14) + " " + (comment.isEmpty() ? " " : comment);
}

class UpdateExport : public ExchangeTest {
protected:
    void SetUp() override {
        ExchangeTest::SetUp();
        folder.setOwnerValue("Callsign", "G9CHANGED");
        folder.setOwnerValue("Checkpoint", "G3KMA");
        folder.setOwnerValue("Last exported", "01-01-04");
        folder.setOwnerValue("Name", "John Smith");
        folder.setOwnerValue("Mode endorsement", "DATA");
        folder.setOwnerValue("RSGB Member", "Yes");
        target = folder.path() + "/g3abc.upd";
    }

    UpdateFile exportFile(const QString& fileName) {
        return exportUpdateFile(database, table, fileName, "g3abc", "01234", kMarch5th);
    }
    QStringList filesBesideTarget() { return QDir(folder.path()).entryList(QDir::Files); }

    // Export failures leave any earlier file and "Last exported" as they were.
    void expectNothingChanged(const QByteArray& earlier) {
        EXPECT_EQ(fileBytes(target), earlier);
        EXPECT_EQ(filesBesideTarget(), QStringList{"g3abc.upd"}) << "no temporary file is left behind";
        release();
        EXPECT_EQ(folder.ownerValue("Last exported"), "01-01-04");
    }

    QString target;
};

TEST_F(UpdateExport, WritesHeaderOwnerIslandAndAwardLinesInOrder) {
    folder.execute("UPDATE \"IOTA-EU\" SET Status = 'A', Call = 'G3ABC', Comment = 'via bureau' WHERE IOTA = 'EU-005'");
    folder.execute("UPDATE \"IOTA-EU\" SET Status = 'W', Call = 'EI3W' WHERE IOTA = 'EU-007'");
    folder.execute("UPDATE \"IOTA-EU\" SET Status = 'D' WHERE IOTA = 'EU-115'");
    QStringList islandReferenceLines;
    for (const char* tableName : {"IOTA-EU", "IOTA-AF", "IOTA-AN", "IOTA-AS", "IOTA-NA", "IOTA-OC", "IOTA-SA"}) {
        const QStringList references = folder.column(tableName, "IOTA");
        const QStringList statuses = folder.column(tableName, "Status");
        const QStringList calls = folder.column(tableName, "Call");
        const QStringList comments = folder.column(tableName, "Comment");
        for (int i = 0; i < references.size(); ++i)
            if (statuses[i] != "U")
                islandReferenceLines << exportedIsland(references[i],
                                                       statuses[i] == "A" || statuses[i] == "C" ? calls[i]
                                                       : statuses[i] == "D"                     ? "DELETED"
                                                                                                : "NONE",
                                                       comments[i]);
    }
    const UpdateFile file = exportFile(target);

    const QByteArray bytes = fileBytes(target);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n')) << "every line ends with CR LF";
    const QStringList lines = readTextLines(target).toStringList();
    EXPECT_EQ(lines, file.lines);
    ASSERT_GT(lines.size(), 23);
    EXPECT_EQ(lines[0], "KAYROLL  2.07");
    EXPECT_EQ(lines[1], "CALLSIGN G3ABC") << "the callsign read at start, not the changed row";
    EXPECT_EQ(lines[2], "DIRNUM   01234");
    EXPECT_EQ(lines[3], "CHECKPT  G3");
    EXPECT_EQ(lines[4], "DATE     05-03-04");
    EXPECT_EQ(lines[5], "NAME     John Smith");
    EXPECT_EQ(lines[18], "STATUS   1");
    EXPECT_EQ(lines[19], "MODES    3") << "DATA, as the import stores code 4, goes back as 3";
    EXPECT_EQ(lines[22], "COMMENT2 ");

    // Island lines table by table from Europe, in reference order; unallocated references give none.
    EXPECT_EQ(lines.mid(23, file.islandLines), islandReferenceLines);
    EXPECT_EQ(lines[23], exportedIsland("EU-001", "NONE", ""));
    EXPECT_TRUE(lines.contains(exportedIsland("EU-005", "G3ABC", "via bureau")));
    EXPECT_TRUE(lines.contains(exportedIsland("EU-007", "NONE", "")));
    EXPECT_TRUE(lines.contains(exportedIsland("EU-115", "DELETED", "")));

    EXPECT_EQ(file.awardLines, 24);
    EXPECT_EQ(lines.size(), 23 + file.islandLines + 24);
    EXPECT_EQ(lines[23 + file.islandLines], "AWARD    IOTA 100      ");
    EXPECT_EQ(lines.last(), "AWARD    Plaque Excel. ") << "the last award record is written";

    EXPECT_FALSE(table.Active());
    EXPECT_EQ(table.TableName(), "Owner");
    EXPECT_FALSE(table.Filtered());
    EXPECT_FALSE(table.ReadOnly());
    release();
    EXPECT_EQ(folder.ownerValue("Last exported"), "05-03-04");
}

TEST_F(UpdateExport, TheLastRecordOfEveryTableIsWritten) {
    for (const Continent& continent : continents())
        folder.execute(
            QString("UPDATE \"%1\" SET Status = 'C', Call = 'LAST' WHERE Key = (SELECT max(Key) FROM \"%1\")")
                .arg(continent.tableName));
    folder.execute("UPDATE \"Awards\" SET Award_number = 'CLAIM', Award_issued = '05-03-04' WHERE No = 24");
    QStringList lasts;
    for (const Continent& continent : continents()) lasts << folder.column(continent.tableName, "IOTA").last();
    const QStringList lines = exportFile(target).lines;
    for (const QString& last : lasts) {
        EXPECT_TRUE(lines.contains(exportedIsland(last, "LAST", ""))) << last.toStdString();
    }
    EXPECT_EQ(lines.last(), "AWARD    Plaque Excel. CLAIM 05-03-04");
}

TEST_F(UpdateExport, AWriteCutShortStoresNoExportDate) {
    const QByteArray earlier = "KAYROLL  2.07\r\nCALLSIGN G3ABC\r\n";
    writeFile("g3abc.upd", earlier);
    // The file runs to well over a kilobyte: the disk fills part-way through it.
    FailingDevice fullDisk(500);
    const WriteLines writeToFullDisk = [&](const QString& fileName, const QStringList& lines) {
        writeTextLines(fullDisk, fileName, lines);
    };
    try {
        exportUpdateFile(database, table, target, "g3abc", "01234", kMarch5th, writeToFullDisk);
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.message().contains("g3abc.upd")) << failure.message().toStdString();
        EXPECT_TRUE(failure.message().contains("disk may be full")) << failure.message().toStdString();
    }
    EXPECT_EQ(fullDisk.taken.size(), 500);
    expectNothingChanged(earlier);
}

TEST_F(UpdateExport, AFailingTableLeavesTheEarlierFileUntouched) {
    const QByteArray earlier = "earlier export\r\n";
    writeFile("g3abc.upd", earlier);
    folder.removeTable("IOTA-OC");
    EXPECT_THROW(exportFile(target), Failure);
    expectNothingChanged(earlier);
}

TEST_F(UpdateExport, AFileThatCannotBeCreatedIsNamed) {
    try {
        exportFile(folder.path() + "/no such folder/g3abc.upd");
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.message().contains("no such folder")) << failure.message().toStdString();
    }
    release();
    EXPECT_EQ(folder.ownerValue("Last exported"), "01-01-04");
}

TEST_F(UpdateExport, ProposedNameKeepsTheCallsignsLetterCase) {
    EXPECT_EQ(proposedExportFileName("/home/op", "g3abc"), "/home/op/g3abc.upd");
    EXPECT_EQ(proposedExportFileName("/home/op", "EA8/G3ABC"), "/home/op/EA8_G3ABC.upd");
}

TEST_F(UpdateExport, WritesWindows1252WhenEveryCharacterFits) {
    folder.setOwnerValue("Name", QString::fromUtf8("S\xC3\xB8ren \xE2\x82\xAC"));
    exportFile(target);
    EXPECT_TRUE(fileBytes(target).contains("NAME     S\xF8ren \x80\r\n"));
    release();
    folder.setOwnerValue("Name", QString::fromUtf8("\xCE\xA9mega"));
    database.setPath(folder.dataFolder());
    exportFile(target);
    EXPECT_TRUE(fileBytes(target).contains("NAME     \xCE\xA9mega\r\n"));
}

}  // namespace
