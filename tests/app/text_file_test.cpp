#include "app/text_file.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/failure.h"

TEST(TextFile, DecodesUtf8AndFallsBackToWindows1252) {
    EXPECT_EQ(decodeText("\xEF\xBB\xBF"
                         "Sm\xC3\xB8la"),
              QString::fromUtf8("Sm\xC3\xB8la"));
    EXPECT_EQ(decodeText("Sm\xF8la \x80 \x93x\x94"),
              QString::fromUtf8("Sm\xC3\xB8la \xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D"));
    EXPECT_EQ(decodeText(QByteArray("\xC3", 1)), QString::fromUtf8("\xC3\x83"));
}

TEST(TextFile, SplitsAtEveryKindOfLineEnd) {
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb\r\n"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(splitLines("\n"), QStringList{""});
    EXPECT_TRUE(splitLines("").isEmpty());
}

TEST(TextFile, MissingFileIsNamedInTheFailure) {
    QTemporaryDir dir;
    try {
        readTextLines(dir.filePath("absent.mbr"));
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.message().contains("absent.mbr")) << failure.message().toStdString();
    }
}
