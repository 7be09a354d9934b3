// The bytes of a telnet session cut into lines however they arrive: line ends of every kind,
// telnet commands taken out and declined, bells dropped, any byte decoded, long lines cut.
#include <gtest/gtest.h>

#include "cluster/telnet_line_reader.h"
#include "support/qt_printers.h"

namespace {

// Every line of the bytes, read in pieces of the given size.
std::vector<QString> linesOf(const QByteArray& bytes, qsizetype pieceSize, TelnetLineReader& reader) {
    std::vector<QString> lines;
    for (qsizetype at = 0; at < bytes.size(); at += pieceSize) reader.read(bytes.mid(at, pieceSize), lines);
    return lines;
}

std::vector<QString> linesOf(const QByteArray& bytes, qsizetype pieceSize = 1 << 20) {
    TelnetLineReader reader;
    return linesOf(bytes, pieceSize, reader);
}

TEST(TelnetLineReader, LinesAndCommandsWhateverPiecesTheyArriveIn) {
    const struct {
        const char* what;
        QByteArray bytes;
        std::vector<QString> lines;
        QByteArray answers;
    } cases[] = {
        {"CR LF", "one\r\ntwo\r\n", {"one", "two"}, {}},
        {"LF", "one\ntwo\n", {"one", "two"}, {}},
        {"CR alone, as over packet radio", "one\rtwo\r", {"one", "two"}, {}},
        {"an empty line", "one\r\n\r\ntwo\n", {"one", "", "two"}, {}},
        {"telnet's CR NUL", "one\r\0two\r\n"_qba, {"one", "two"}, {}},
        {"bells", "DX de G3ABC: 14025.0 K1ABC cq 1200Z\a\a\r\n", {"DX de G3ABC: 14025.0 K1ABC cq 1200Z"}, {}},
        {"an offer and a request, declined",
         "\xFF\xFB\x01\xFF\xFD\x18login: x\r\n",
         {"login: x"},
         "\xFF\xFE\x01\xFF\xFC\x18"},
        {"refusals need no answer", "\xFF\xFC\x01\xFF\xFE\x18ok\n", {"ok"}, {}},
        {"a subnegotiation",
         "a\xFF\xFA\x18\x01\xFF\xF0"
         "b\n",
         {"ab"},
         {}},
        {"a doubled 255 is the byte", "caf\xFF\xFF\n", {QString::fromUtf8("caf\xC3\xBF")}, {}},
        {"no-operation and go-ahead",
         "a\xFF\xF1"
         "b\xFF\xF9\n",
         {"ab"},
         {}},
        {"UTF-8", "caf\xC3\xA9 73\n", {QString::fromUtf8("caf\xC3\xA9 73")}, {}},
        {"Windows-1252", "caf\xE9 \x80 73\n", {QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC 73")}, {}},
        {"invalid UTF-8 on one line only",
         "\xC3(\ncaf\xC3\xA9\n",
         {QString::fromUtf8("\xC3\x83("), QString::fromUtf8("caf\xC3\xA9")},
         {}},
    };
    for (const auto& c : cases) {
        for (const qsizetype pieceSize : {qsizetype(1), qsizetype(2), qsizetype(3), qsizetype(1 << 20)}) {
            TelnetLineReader reader;
            EXPECT_EQ(linesOf(c.bytes, pieceSize, reader), c.lines) << c.what << ", pieces of " << pieceSize;
            EXPECT_EQ(reader.takeAnswers(), c.answers) << c.what << ", pieces of " << pieceSize;
            EXPECT_TRUE(reader.takeAnswers().isEmpty()) << c.what << ": answers are taken once";
        }
    }
}

// A node that never ends its line fills no memory: the line keeps its start, the next is whole.
TEST(TelnetLineReader, ALineLongerThanTheLongestIsCut) {
    const QByteArray spot = "DX de G3ABC:     14025.0  VP2MUW       IOTA NA-103                    1206Z";
    const std::vector<QString> lines = linesOf(QByteArray(100000, 'x') + "\r\n" + spot + "\r\n", 1000);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], QString(TelnetLineReader::kLongestLine, u'x'));
    EXPECT_EQ(lines[1], QString::fromLatin1(spot));
}

// "login: " waits on an open line for the call; once answered the node's next text starts anew.
TEST(TelnetLineReader, TheUnfinishedLineHoldsTheQuestion) {
    TelnetLineReader reader;
    std::vector<QString> lines;
    reader.read("Welcome\r\n\xFF\xFB\x01login: ", lines);
    EXPECT_EQ(lines, std::vector<QString>{"Welcome"});
    EXPECT_EQ(reader.unfinishedLine(), "login: ");
    reader.dropUnfinishedLine();
    reader.read("Hello G3ABC\r\n", lines);
    EXPECT_EQ(lines.back(), "Hello G3ABC");
}

}  // namespace
