#include "cluster/telnet_line_reader.h"

#include <algorithm>
#include <utility>

#include "base/text_encoding.h"

namespace {

// Telnet's command bytes (RFC 854).
constexpr unsigned char kInterpretAsCommand = 255;
constexpr unsigned char kDont = 254;
constexpr unsigned char kDo = 253;
constexpr unsigned char kWont = 252;
constexpr unsigned char kWill = 251;
constexpr unsigned char kSubnegotiationBegin = 250;
constexpr unsigned char kSubnegotiationEnd = 240;

constexpr unsigned char kLineFeed = '\n';
constexpr unsigned char kCarriageReturn = '\r';
constexpr unsigned char kBell = 7;
constexpr unsigned char kNul = 0;

bool isOrdinary(unsigned char byte) {
    return byte != kInterpretAsCommand && byte != kLineFeed && byte != kCarriageReturn && byte != kBell && byte != kNul;
}

bool isAscii(QByteArrayView bytes) {
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// Nearly every line is ASCII, which needs no decoder.
QString decodeLine(QByteArrayView bytes) {
    if (isAscii(bytes)) return QString::fromLatin1(bytes);
    return bytes.isValidUtf8() ? decodeUtf8Piece(bytes) : decodeWindows1252(bytes);
}

}  // namespace

void TelnetLineReader::read(QByteArrayView bytes, std::vector<QString>& lines) {
    qsizetype at = 0;
    while (at < bytes.size()) {
        if (m_state != State::Text) {
            readCommandByte(static_cast<unsigned char>(bytes[at++]));
            continue;
        }
        qsizetype end = at;
        while (end < bytes.size() && isOrdinary(static_cast<unsigned char>(bytes[end]))) ++end;
        if (end > at) {
            keep(bytes.sliced(at, end - at));
            m_afterCarriageReturn = false;
            at = end;
            continue;
        }
        const auto byte = static_cast<unsigned char>(bytes[at++]);
        if (byte == kInterpretAsCommand) {
            m_state = State::Command;
        } else if (byte == kLineFeed) {
            if (!m_afterCarriageReturn) endLine(lines);
            m_afterCarriageReturn = false;
        } else if (byte == kCarriageReturn) {
            endLine(lines);
            m_afterCarriageReturn = true;
        }
    }
}

void TelnetLineReader::readCommandByte(unsigned char byte) {
    switch (m_state) {
        case State::Command:
            if (byte == kInterpretAsCommand) {
                keep(QByteArrayView("\xFF", 1));  // a data byte 255, doubled on the wire
                m_state = State::Text;
            } else if (byte >= kWill && byte <= kDont) {
                m_command = byte;
                m_state = State::Option;
            } else {
                m_state = byte == kSubnegotiationBegin ? State::Subnegotiation : State::Text;
            }
            return;
        case State::Option:
            // Declined: the node's offer (WILL) with DONT, its request (DO) with WONT.
            if (m_command == kWill || m_command == kDo) {
                m_answers += char(kInterpretAsCommand);
                m_answers += char(m_command == kWill ? kDont : kWont);
                m_answers += char(byte);
            }
            m_state = State::Text;
            return;
        case State::Subnegotiation:
            if (byte == kInterpretAsCommand) m_state = State::SubnegotiationCommand;
            return;
        case State::SubnegotiationCommand:
            m_state = byte == kSubnegotiationEnd ? State::Text : State::Subnegotiation;
            return;
        case State::Text:
            return;
    }
}

void TelnetLineReader::keep(QByteArrayView bytes) {
    const qsizetype room = kLongestLine - m_line.size();
    if (room > 0) m_line.append(bytes.first(std::min(room, bytes.size())));
}

void TelnetLineReader::endLine(std::vector<QString>& lines) {
    lines.push_back(decodeLine(m_line));
    m_line.clear();
}

QByteArray TelnetLineReader::takeAnswers() {
    return std::exchange(m_answers, {});
}

QString TelnetLineReader::unfinishedLine() const {
    return decodeLine(m_line);
}

void TelnetLineReader::dropUnfinishedLine() {
    m_line.clear();
}
