#include "cluster/node_line.h"

#include <QString>

namespace {

struct QuestionEnding {
    const char16_t* ending;
    NodeLineKind kind;
};

// How the questions of a login end, as DXSpider, CC Cluster, AR-Cluster and the Reverse Beacon
// Network's server ask them.
constexpr QuestionEnding kQuestionEndings[] = {
    {u"login:", NodeLineKind::CallQuestion},    {u"call:", NodeLineKind::CallQuestion},
    {u"callsign:", NodeLineKind::CallQuestion}, {u"password:", NodeLineKind::PasswordQuestion},
    {u"name:", NodeLineKind::OtherQuestion},    {u"(Y or N) >", NodeLineKind::OtherQuestion},
};

struct LineStart {
    const char16_t* start;
    NodeLineKind kind;
};

// Checked once a line is known to be no spot.
constexpr LineStart kLineStarts[] = {
    {u"DX de ", NodeLineKind::Text},  // a spot line too broken to read
    {u"WWV de ", NodeLineKind::SolarReport},
    {u"WCY de ", NodeLineKind::SolarReport},
    {u"Sorry", NodeLineKind::Refusal},
};

// A control character other than TAB; a node's text is printed to terminals and lists, where an
// escape sequence from the network must not act.
bool isControl(QChar c) {
    return (c < u' ' && c != u'\t') || (c >= u'\x7F' && c <= u'\x9F');
}

bool holdsControls(QStringView line) {
    for (const QChar c : line)
        if (isControl(c)) return true;
    return false;
}

// What shows nothing where a node's text is shown: a bell, and the DEL a user's backspace key
// leaves in a comment ("m\x7Fop").
bool showsNothing(QChar c) {
    return c == u'\a' || c == u'\x7F';
}

// The line without what shows nothing, every other control character a blank.
QString withoutControls(QStringView line) {
    QString text;
    text.reserve(line.size());
    for (const QChar c : line)
        if (!showsNothing(c)) text += isControl(c) ? QChar(u' ') : c;
    return text;
}

qsizetype wordCount(QStringView text) {
    qsizetype words = 0;
    for (qsizetype at = 0; at < text.size(); ++at)
        if (text[at] != u' ' && (at == 0 || text[at - 1] == u' ')) ++words;
    return words;
}

// "<FROM> de <CALL>" with one or two words before " de " ("To ALL de G3ABC"): the start of an
// announcement, talk, chat line or prompt. The position after the call, or -1.
qsizetype afterSenderCall(QStringView line) {
    const qsizetype de = line.indexOf(u" de ");
    if (de <= 0 || wordCount(line.first(de)) > 2) return -1;
    qsizetype end = de + 4;
    while (end < line.size() && line[end] != u' ' && line[end] != u':') ++end;
    return end > de + 4 ? end : -1;
}

bool isAnnouncement(QStringView line) {
    const qsizetype end = afterSenderCall(line);
    return end > 0 && end < line.size() && line[end] == u':';
}

bool isPrompt(QStringView line) {
    return line.endsWith(u'>') && afterSenderCall(line) > 0 && wordCount(line.first(line.indexOf(u" de "))) == 1;
}

}  // namespace

NodeLineKind questionKind(QStringView text) {
    text = text.trimmed();
    for (const QuestionEnding& question : kQuestionEndings)
        if (text.endsWith(QStringView(question.ending), Qt::CaseInsensitive)) return question.kind;
    return NodeLineKind::Text;
}

NodeLine readNodeLine(QStringView line) {
    if (holdsControls(line)) return readNodeLine(withoutControls(line));
    if (line.trimmed().isEmpty()) return {NodeLineKind::Blank, {}};
    if (std::optional<Spot> spot = readDxDeLine(line)) return {NodeLineKind::Spot, std::move(*spot)};
    for (const LineStart& start : kLineStarts)
        if (line.startsWith(QStringView(start.start), Qt::CaseInsensitive)) return {start.kind, {}};
    if (isAnnouncement(line)) return {NodeLineKind::Announcement, {}};
    if (const NodeLineKind question = questionKind(line); question != NodeLineKind::Text) return {question, {}};
    if (isPrompt(line.trimmed())) return {NodeLineKind::Prompt, {}};
    if (std::optional<Spot> spot = readShowDxLine(line)) return {NodeLineKind::Spot, std::move(*spot)};
    return {NodeLineKind::Text, {}};
}
