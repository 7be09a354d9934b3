#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

// Cuts what a node sends over telnet into lines, as the bytes arrive in pieces of any size.
// Lines end at CR LF, LF or a lone CR (packet radio); telnet commands (IAC ...) are taken out and
// an option the node offers or asks for is declined; BEL and NUL bytes are dropped. Each line is
// decoded as UTF-8 when it is valid UTF-8, else as Windows-1252, so any byte gives a character.
// A line longer than kLongestLine bytes keeps its first kLongestLine bytes: a node that never
// ends its line cannot fill the memory.
class TelnetLineReader {
public:
    static constexpr qsizetype kLongestLine = 4096;

    // Reads the bytes and appends the lines they complete.
    void read(QByteArrayView bytes, std::vector<QString>& lines);

    // The telnet answers owed to the node (declined options), taken once.
    QByteArray takeAnswers();

    // The text of the line begun but not ended: where a node asks "login: ".
    QString unfinishedLine() const;
    // Forgets the line begun, once its question is answered.
    void dropUnfinishedLine();

private:
    enum class State { Text, Command, Option, Subnegotiation, SubnegotiationCommand };

    void readCommandByte(unsigned char byte);
    void keep(QByteArrayView bytes);
    void endLine(std::vector<QString>& lines);

    State m_state = State::Text;
    unsigned char m_command = 0;
    bool m_afterCarriageReturn = false;
    QByteArray m_line;
    QByteArray m_answers;
};
