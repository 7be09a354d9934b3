// Files of every kind given to the importing subcommands: decoded by their byte order marks,
// refused with nothing changed when they are no file of theirs, never read when they would never
// end, and values cut to the size of their fields.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include "base/text_file.h"
#include "support/cli_run.h"
#include "support/data_folder.h"
#include "support/files.h"

namespace {

// A refused input must end at once; a command that reads a pipe would wait here until killed.
constexpr int kRefusalLimitMs = 20000;

QByteArray utf16(const QString& text, bool bigEndian) {
    QByteArray bytes = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (const QChar c : text) {
        const char high = char(c.unicode() >> 8);
        const char low = char(c.unicode() & 0xFF);
        bytes += bigEndian ? QByteArray{1, high} + low : QByteArray{1, low} + high;
    }
    return bytes;
}

// One field of an island record.
QString islandField(const TestDataFolder& folder, const QString& reference, const QString& field) {
    const QString table = "IOTA-" + reference.left(2);
    return folder.column(table, field).value(folder.column(table, "IOTA").indexOf(reference));
}

// Every field of every island record, for comparing before and after.
QStringList islandTables(const TestDataFolder& folder) {
    QStringList values;
    for (const char* table : {"IOTA-AF", "IOTA-AN", "IOTA-AS", "IOTA-EU", "IOTA-NA", "IOTA-OC", "IOTA-SA"})
        for (const char* field : {"ABW", "Prefix", "Island", "Call", "Status", "Comment"})
            values << folder.column(table, field);
    return values;
}

const QString kJose = QString::fromUtf8("Jos\xC3\xA9");
const QString kMember =
    "CALLSIGN G3ABC\r\nNAME     " + kJose + "\r\nISLAND   EU-005 G3ABC          G         Great Britain\r\n";

TEST(InputCli, MemberFilesDecodeByTheirByteOrderMarks) {
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"UTF-16 little-endian", utf16(kMember, false)},
        {"UTF-16 big-endian", utf16(kMember, true)},
        {"UTF-8 with a byte order mark", "\xEF\xBB\xBF" + kMember.toUtf8()},
        {"UTF-8 byte order mark, then Windows-1252", "\xEF\xBB\xBF" + kMember.toLatin1()},
    };
    for (const auto& member : cases) {
        TestDataFolder folder;
        const CliRun run = cli(folder.path(), {"import-member", writeFile(folder.path() + "/in.mbr", member.bytes)});
        EXPECT_EQ(run.exitCode, 0) << member.name << ": " << run.err.toStdString();
        EXPECT_EQ(folder.ownerValue("Callsign"), "G3ABC") << member.name;
        EXPECT_EQ(folder.ownerValue("Name"), kJose) << member.name;
        EXPECT_EQ(islandField(folder, "EU-005", "Status"), "A") << member.name;
    }
}

TEST(InputCli, FilesThatAreNoMemberFileAreRefusedChangingNothing) {
    QByteArray junk(4096, Qt::Uninitialized);
    QRandomGenerator random(11);
    for (char& byte : junk) byte = char(random.bounded(256));
    const struct {
        const char* name;
        QByteArray bytes;
        const char* reason;
    } cases[] = {
        {"a UPF log", "EU-005 G3ABC first\r\nOC-001 VK2XYZ\r\n", "no member file"},
        {"a CSV file", "\"EU-005\",\"G3ABC\",\"Accepted\"\r\n", "no member file"},
        {"junk", junk, "no member file"},
        {"an empty file", "", "no member file"},
        {"UTF-16 without its byte order mark", utf16(kMember, false).mid(2), "no member file"},
        {"a UTF-16 byte order mark and an odd byte", utf16(kMember, false) + 'x', "UTF-16"},
    };
    for (const auto& wrong : cases) {
        TestDataFolder folder;
        for (const QString& name : folder.column("Owner", "Name")) folder.setOwnerValue(name, "kept " + name);
        const QStringList ownerBefore = folder.column("Owner", "Value");
        const QStringList islandsBefore = islandTables(folder);
        const QString file = writeFile(folder.path() + "/wrong.mbr", wrong.bytes);
        const CliRun run = cli(folder.path(), {"import-member", file});
        EXPECT_EQ(run.exitCode, 1) << wrong.name;
        EXPECT_TRUE(run.err.contains(QDir::toNativeSeparators(file))) << wrong.name << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(wrong.reason)) << wrong.name << ": " << run.err.toStdString();
        EXPECT_EQ(folder.column("Owner", "Value"), ownerBefore) << wrong.name;
        EXPECT_EQ(islandTables(folder), islandsBefore) << wrong.name;
    }
}

// Everything but a regular file of sensible lines is refused by every reading subcommand.
TEST(InputCli, EndlessOrOverLongInputIsRefusedBeforeItIsRead) {
    TestDataFolder folder;
    const QString fifo = folder.path() + "/pipe.txt";
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString longLine =
        writeFile(folder.path() + "/long.txt", "CALLSIGN G3ABC\r\n\r\n" + QByteArray(kMaxTextLineLength + 1, 'x'));
    const QString huge = folder.path() + "/huge.txt";
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(kMaxTextFileBytes + 1));
    }
    const struct {
        QString file;
        const char* reason;
    } inputs[] = {
        {fifo, "a device or pipe"},   {"/dev/zero", "a device or pipe"},
        {folder.path(), "a folder"},  {longLine, "line 3 is longer than 65536 characters"},
        {huge, "larger than 64 MiB"},
    };
    const QStringList commands[] = {{"import-member"}, {"import-upf", "--mode", "worked"}, {"import-csv"}, {"update"}};
    const QStringList before = islandTables(folder);
    for (const auto& input : inputs) {
        for (const QStringList& command : commands) {
            const CliRun run = cli(folder.path(), command + QStringList{input.file}, kRefusalLimitMs);
            const std::string what = (command.first() + " " + input.file).toStdString();
            EXPECT_FALSE(run.timedOut) << what;
            EXPECT_EQ(run.exitCode, 1) << what;
            EXPECT_TRUE(run.err.contains(QDir::toNativeSeparators(input.file)))
                << what << ": " << run.err.toStdString();
            EXPECT_TRUE(run.err.contains(input.reason)) << what << ": " << run.err.toStdString();
        }
    }
    const CliRun exported = cli(folder.path(), {"export", fifo}, kRefusalLimitMs);
    EXPECT_EQ(exported.exitCode, 1) << exported.err.toStdString();
    EXPECT_TRUE(exported.err.contains("a device or pipe")) << exported.err.toStdString();
    EXPECT_EQ(islandTables(folder), before);
    EXPECT_EQ(folder.ownerValue("Callsign"), "");
    EXPECT_EQ(folder.ownerValue("Last exported"), "");
}

TEST(InputCli, AUpfFileWithAByteOrderMarkKeepsItsFirstContact) {
    TestDataFolder folder;
    const QString upf = writeFile(folder.path() + "/log.upf",
                                  "\xEF\xBB\xBF"
                                  "EU-005 G3ABC caf\xE9\r\nOC-001 VK2XYZ\r\n");
    const CliRun run = cli(folder.path(), {"import-upf", upf, "--mode", "worked"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(islandField(folder, "EU-005", "Status"), "W");
    EXPECT_EQ(islandField(folder, "EU-005", "Comment"), QString::fromUtf8("caf\xC3\xA9"));
    EXPECT_EQ(islandField(folder, "OC-001", "Status"), "W");
}

TEST(InputCli, ValuesLongerThanTheirFieldsAreCutToTheirSize) {
    TestDataFolder folder;
    const QString name(80, 'n');
    const QString island(300, 'i');
    const QString comment(300, 'c');
    writeFile(folder.path() + "/in.mbr",
              ("NAME     " + name + "\r\nISLAND   EU-005 G3ABC          G         " + island + "\r\n").toLatin1());
    writeFile(folder.path() + "/log.upf", ("EU-007 EI7ABC " + comment + "\r\n").toLatin1());
    ASSERT_EQ(cli(folder.path(), {"import-member", "in.mbr"}).exitCode, 0);
    ASSERT_EQ(cli(folder.path(), {"import-upf", "log.upf", "--mode", "worked"}).exitCode, 0);
    EXPECT_EQ(folder.ownerValue("Name"), name.left(50));
    EXPECT_EQ(islandField(folder, "EU-005", "Island"), island.left(250));
    EXPECT_EQ(islandField(folder, "EU-007", "Comment"), comment.left(250));
}

// A name whose Windows-1252 bytes are valid UTF-8 goes out in the update file and comes back unchanged.
TEST(InputCli, TheUpdateFileReadsBackAsWritten) {
    TestDataFolder folder;
    const QString mojibake = QString::fromUtf8("Jos\xC3\x83\xC2\xA9");
    writeFile(folder.path() + "/in.mbr", ("CALLSIGN G3ABC\r\nNAME     " + mojibake + "\r\n").toUtf8());
    ASSERT_EQ(cli(folder.path(), {"import-member", "in.mbr"}).exitCode, 0);
    ASSERT_EQ(cli(folder.path(), {"export", "out.upd"}).exitCode, 0);
    EXPECT_TRUE(readTextLines(folder.path() + "/out.upd").toStringList().contains("NAME     " + mojibake));
    folder.setOwnerValue("Name", "");
    ASSERT_EQ(cli(folder.path(), {"import-member", "out.upd"}).exitCode, 0);
    EXPECT_EQ(folder.ownerValue("Name"), mojibake);
}

}  // namespace
