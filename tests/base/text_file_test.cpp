#include "base/text_file.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "base/failure.h"

TEST(TextFile, DecodesUtf8AndFallsBackToWindows1252) {
    EXPECT_EQ(decodeText("\xEF\xBB\xBF"
                         "Sm\xC3\xB8la"),
              QString::fromUtf8("Sm\xC3\xB8la"));
    EXPECT_EQ(decodeText("Sm\xF8la \x80 \x93x\x94"),
              QString::fromUtf8("Sm\xC3\xB8la \xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D"));
    EXPECT_EQ(decodeText(QByteArray("\xC3", 1)), QString::fromUtf8("\xC3\x83"));
}

TEST(TextFile, DecodesUtf16ByItsByteOrderMarkAndDropsAUtf8MarkOnEveryPath) {
    const QString jose = QString::fromUtf8("Jos\xC3\xA9");
    const struct {
        QByteArray bytes;
        QString text;
    } cases[] = {
        {QByteArray("\xFF\xFEJ\0o\0s\0\xE9\0", 10), jose},
        {QByteArray("\xFE\xFF\0J\0o\0s\0\xE9", 10), jose},
        {"\xEF\xBB\xBFJos\xE9", jose},
        {"\xEF\xBB\xBF\xEF\xBB\xBFx", QString(QChar(0xFEFF)) + 'x'},
    };
    for (const auto& [bytes, text] : cases) EXPECT_EQ(decodeText(bytes), text) << bytes.toHex().toStdString();
    EXPECT_THROW(decodeText(QByteArray("\xFF\xFEJ\0o", 5)), Failure) << "an odd byte is no UTF-16";
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
