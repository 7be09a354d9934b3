#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "base/text_file.h"
#include "support/files.h"

namespace {

// A file larger than one piece read, with a two-byte character across every piece border.
QByteArray largeUtf8(const QByteArray& tail) {
    QByteArray bytes;
    while (bytes.size() < 3 * 1024 * 1024) bytes += "AF-001 K1ABC Sm\xC3\xB8la\r\n";
    return bytes + tail;
}

}  // namespace

// Read a piece at a time, a file gives the same lines as its bytes decoded whole.
TEST(TextFilePieces, ReadsAsTheWholeBytesDecode) {
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"UTF-8 over several pieces", largeUtf8("EU-005 G3ABC")},
        {"one byte no UTF-8 after the first piece", largeUtf8("EU-005 \x80\n")},
        {"a UTF-8 sequence cut off at the end", largeUtf8("EU-005 \xC3")},
        {"byte order mark and lone CR line ends", QByteArray("\xEF\xBB\xBF"
                                                             "a\rb\r\r")},
        {"a byte order mark beginning a later line is a character", QByteArray("a\r\n\xEF\xBB\xBF"
                                                                               "b")},
        {"UTF-16", QByteArray("\xFF\xFE"
                              "a\0\n\0b\0",
                              8)},
    };
    QTemporaryDir dir;
    const QString fileName = dir.filePath("input.txt");
    for (const auto& [what, bytes] : cases) {
        writeFile(fileName, bytes);
        EXPECT_EQ(readTextLines(fileName).toStringList(), splitLines(decodeText(bytes))) << what;
    }
}

// Each line reads as a string of its own, ended as every string is, and changes alone.
TEST(TextFilePieces, LinesAreStringsOfTheirOwn) {
    QStringList lines = splitLines(QStringLiteral("AF-001\r\nAN-002\nAS-003"));
    ASSERT_EQ(lines.size(), 3);
    for (const QString& line : lines) EXPECT_EQ(line.constData()[line.size()], QChar(0)) << line.toStdString();
    lines[0].append(QStringLiteral(" K1ABC"));
    lines[2][0] = u'E';
    EXPECT_EQ(lines, (QStringList{"AF-001 K1ABC", "AN-002", "ES-003"}));
}
