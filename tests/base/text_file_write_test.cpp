#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "base/failure.h"
#include "base/text_file.h"
#include "support/files.h"

namespace {

// Files written by this process fail beyond a size, as on a full disk, until it goes out of scope.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_before);
        rlimit limit = m_before;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_before); }

private:
    rlimit m_before{};
};

TEST(TextFileWrite, EncodesWindows1252WhenEveryCharacterFitsElseUtf8) {
    EXPECT_EQ(encodeText("plain"), "plain");
    EXPECT_EQ(encodeText(QString::fromUtf8("S\xC3\xB8ren \xE2\x82\xAC \xE2\x80\x9C")), "S\xF8ren \x80 \x93");
    EXPECT_EQ(encodeText(QString(QChar(0x81))), "\x81") << "an unassigned byte read in keeps its value";
    EXPECT_EQ(encodeText(QString::fromUtf8("\xC3\xB8 \xCE\xA9")), "\xC3\xB8 \xCE\xA9") << "one misfit: all UTF-8";
    EXPECT_EQ(decodeText(encodeText(QString::fromUtf8("\xC3\xA6\xC3\xB8\xC3\xA5 \xE2\x80\xA6"))),
              QString::fromUtf8("\xC3\xA6\xC3\xB8\xC3\xA5 \xE2\x80\xA6"));
}

// The update file and history.dat are read back by the program itself.
TEST(TextFileWrite, WhatIsWrittenReadsBackAsWritten) {
    QTemporaryDir dir;
    const QString fileName = dir.filePath("history.dat");
    const QStringList texts = {
        QString::fromUtf8("Jos\xC3\x83\xC2\xA9"),           // Windows-1252 bytes that are valid UTF-8
        QString::fromUtf8("\xC3\xAF\xC2\xBB\xC2\xBFNAME"),  // Windows-1252 bytes of a UTF-8 byte order mark
        QString::fromUtf8("\xC3\xBF\xC3\xBE"
                          "ab"),  // Windows-1252 bytes of a UTF-16 byte order mark
        QString(QChar(0xFEFF)) + "x",
        QString::fromUtf8("S\xC3\xB8ren \xE2\x82\xAC \xC5\x91"),
    };
    for (const QString& text : texts) {
        writeTextFile(fileName, {text, "http://example.org/update.txt"});
        EXPECT_EQ(readTextLines(fileName).toStringList(), (QStringList{text, "http://example.org/update.txt"}))
            << fileBytes(fileName).toHex().toStdString();
    }
}

TEST(TextFileWrite, WritesCrLfLinesReplacingAnEarlierFileWhole) {
    QTemporaryDir dir;
    const QString fileName = dir.filePath("out.upd");
    writeTextFile(fileName, {"one", "two"});
    writeTextFile(fileName, {"KAYROLL  2.07", "", "last"});
    EXPECT_EQ(fileBytes(fileName), "KAYROLL  2.07\r\n\r\nlast\r\n");
    writeTextFile(fileName, {});
    EXPECT_EQ(fileBytes(fileName), "");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"out.upd"});
}

TEST(TextFileWrite, AWriteCutShortByAFullDiskLeavesTheEarlierFileWhole) {
    QTemporaryDir dir;
    const QString fileName = dir.filePath("g3abc.upd");
    writeTextFile(fileName, {"KAYROLL  2.07", "CALLSIGN G3ABC"});
    const QByteArray earlier = fileBytes(fileName);
    {
        FileSizeLimit fullDisk(500);
        EXPECT_THROW(writeTextFile(fileName, QStringList(100, "ISLAND   EU-005 CLAIM")), Failure);
    }
    EXPECT_EQ(fileBytes(fileName), earlier);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"g3abc.upd"}) << "no temporary file is left";
}

TEST(TextFileWrite, AFolderInPlaceOfTheFileFailsNamingIt) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.upd"));
    try {
        writeTextFile(dir.filePath("taken.upd"), {"x"});
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.message().contains("taken.upd")) << failure.message().toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{});
}

}  // namespace
