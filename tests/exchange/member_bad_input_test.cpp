// Files that are not member files: the import neither crashes nor hangs, and changes only what
// the rules say.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QRandomGenerator>

#include "base/failure.h"
#include "base/text_file.h"
#include "exchange/member_import.h"
#include "exchange_fixture.h"

namespace {

QByteArray randomBytes(qsizetype size, quint32 seed) {
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes) byte = char(generator.bounded(256));
    return bytes;
}

class MemberBadInput : public ExchangeTest {
protected:
    MemberImportResult importBytes(const QByteArray& bytes) {
        return importMemberFile(database, table, writeFile("input.mbr", bytes), startState().counts);
    }

    // The island tables as they stand, every field of every record.
    QStringList islandTables() {
        QStringList values;
        for (const char* tableName : {"IOTA-AF", "IOTA-AN", "IOTA-AS", "IOTA-EU", "IOTA-NA", "IOTA-OC", "IOTA-SA"})
            for (const char* field : {"ABW", "Prefix", "Island", "Call", "Status", "Comment"})
                values << folder.column(tableName, field);
        return values;
    }

    // The place of a European reference in its table's columns.
    int placeIn(const QString& reference) { return folder.column("IOTA-EU", "IOTA").indexOf(reference); }
};

TEST_F(MemberBadInput, BinaryFilesAreRefusedChangingNothing) {
    const QStringList before = islandTables();
    folder.setOwnerValue("Callsign", "G3ABC");
    QByteArray jpeg("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 20);
    jpeg += randomBytes(200000, 7) + QByteArray("\xFF\xD9", 2);
    for (const QByteArray& bytes : {randomBytes(1 << 20, 1), jpeg, QByteArray(100000, '\0')})
        EXPECT_THROW(importBytes(bytes), Failure);
    release();
    EXPECT_EQ(islandTables(), before);
    EXPECT_EQ(folder.ownerValue("Callsign"), "G3ABC");
}

TEST_F(MemberBadInput, InvalidUtf8IsReadAsWindows1252WithAnyLineEnds) {
    // A lone CR ends a line too; "\xF8" is not UTF-8 and makes the file Windows-1252.
    const QByteArray bytes =
        "NAME     S\xF8ren\r"
        "ISLAND   EU-005 OZ1ABC         OZ        Gr\xF8nland\r"
        "BI       EU-007\n"
        "CHECKPT  \x80 euro\r\n";
    const MemberImportResult result = importBytes(bytes);
    EXPECT_EQ(result.islandLines, 1);
    EXPECT_EQ(result.groupLines, 1);
    release();
    EXPECT_EQ(folder.ownerValue("Name"), QString::fromUtf8("S\xC3\xB8ren"));
    EXPECT_EQ(folder.ownerValue("Checkpoint"), QString::fromUtf8("\xE2\x82\xAC euro"));
    EXPECT_EQ(folder.column("IOTA-EU", "Island")[placeIn("EU-005")], QString::fromUtf8("Gr\xC3\xB8nland"));
    EXPECT_EQ(folder.column("IOTA-EU", "ABW")[placeIn("EU-007")], "B");
}

TEST_F(MemberBadInput, TheLongestLineIsReadAndOneCharacterMoreRefusesTheFile) {
    const QString name(kMaxTextLineLength - 41, QChar('x'));
    importBytes(memberIsland("EU-005", "G3ABC", "G", name).toUtf8());
    try {
        importBytes(
            (memberIsland("EU-007", "EI7ABC", "EI", "") + "\r\n" + QString(kMaxTextLineLength + 1, 'y')).toUtf8());
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.message().contains("line 2 is longer")) << failure.message().toStdString();
    }
    release();
    EXPECT_EQ(folder.column("IOTA-EU", "Island")[placeIn("EU-005")], name.left(250)) << "cut to the field's size";
    EXPECT_EQ(folder.column("IOTA-EU", "Status")[placeIn("EU-007")], "-");
}

TEST_F(MemberBadInput, AFiftyMegabyteFileEndsInGoodTime) {
    // Island lines far beyond the table's size: only as many as it held at start are applied.
    QByteArray bytes;
    const QByteArray line = memberIsland("EU-005", "G3ABC", "G", "Great Britain").toLatin1() + "\r\n";
    while (bytes.size() < 50 * 1000 * 1000) bytes += line;
    QElapsedTimer timer;
    timer.start();
    const MemberImportResult result = importBytes(bytes);
    EXPECT_LT(timer.elapsed(), 20000);
    EXPECT_EQ(result.islandLines, 140) << "the start count of IOTA-EU";
    EXPECT_EQ(result.passedOver, bytes.size() / line.size() - 140);
}

TEST_F(MemberBadInput, OtherTextFilesAreReadByTheRulesOfTheMemberFile) {
    const QByteArray updateText =
        "ISLAND   EU-005 G           Great Britain\r\n"
        "ISLAND   EU-007 DELETED     DELETED\r\n";
    const QByteArray upf = "EU-001 SV8ABC comment\r\nOC-001 VK2XYZ\r\n";
    importBytes(updateText + upf);
    release();
    // The update text's prefix column lies in the member file's call column: a call, so "A".
    EXPECT_EQ(folder.column("IOTA-EU", "Status")[placeIn("EU-005")], "A");
    EXPECT_EQ(folder.column("IOTA-EU", "Call")[placeIn("EU-005")], "G           Gre");
    EXPECT_EQ(folder.column("IOTA-EU", "Status")[placeIn("EU-007")], "-");
    EXPECT_EQ(folder.column("IOTA-EU", "Status")[0], "-") << "UPF lines are no member lines";
    EXPECT_EQ(folder.column("IOTA-OC", "Status")[0], "-");
}

}  // namespace
