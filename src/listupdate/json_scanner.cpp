#include "listupdate/json_scanner.h"

#include <QString>
#include <cmath>

namespace {

constexpr int kNestingLimit = 1024;  // as deep as QJsonDocument reads

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isHexDigit(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool isStructural(char c) {
    return c == '[' || c == '{' || c == ']' || c == '}' || c == ':' || c == ',' || c == '"';
}

bool isContinuation(uchar byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the UTF-8 character at the start of the bytes, 0 when it is none: overlong
// forms, surrogates and code points beyond U+10FFFF are refused, as by Qt.
qsizetype utf8Length(QByteArrayView bytes) {
    const auto at = [&bytes](qsizetype i) { return i < bytes.size() ? uchar(bytes[i]) : uchar(0); };
    const uchar lead = at(0);
    qsizetype length = 0;
    uchar low = 0x80;
    uchar high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (at(1) < low || at(1) > high) return 0;
    for (qsizetype i = 2; i < length; ++i)
        if (!isContinuation(at(i))) return 0;
    return length;
}

char16_t hexValue(QByteArrayView digits) {
    char16_t value = 0;
    for (const char digit : digits)
        value = char16_t(value * 16 + (isDigit(digit) ? digit - '0' : (digit | 0x20) - 'a' + 10));
    return value;
}

// The character an escape other than \u stands for: the escaped byte itself unless it names one.
QChar escapedCharacter(char escaped) {
    switch (escaped) {
        case 'b':
            return QChar(u'\b');
        case 'f':
            return QChar(u'\f');
        case 'n':
            return QChar(u'\n');
        case 'r':
            return QChar(u'\r');
        case 't':
            return QChar(u'\t');
        default:
            return QChar(uchar(escaped));
    }
}

// The text of a string's checked bytes, its escapes read.
QString decodedString(QByteArrayView raw, bool escaped) {
    if (!escaped) return QString::fromUtf8(raw);
    QString text;
    text.reserve(raw.size());
    qsizetype from = 0;
    for (qsizetype backslash = raw.indexOf('\\'); backslash >= 0; backslash = raw.indexOf('\\', from)) {
        text += QString::fromUtf8(raw.sliced(from, backslash - from));
        if (raw[backslash + 1] == 'u') {
            text += QChar(hexValue(raw.sliced(backslash + 2, 4)));
            from = backslash + 6;
        } else {
            text += escapedCharacter(raw[backslash + 1]);
            from = backslash + 2;
        }
    }
    return text + QString::fromUtf8(raw.sliced(from));
}

// The number as QJsonValue gives it: Qt holds one without fraction or exponent that fits, and
// any integral double that fits, as an integer (so -0 is 0).
double numberValue(QByteArrayView text, bool integral, bool& ok) {
    const QByteArray number = QByteArray::fromRawData(text.data(), text.size());
    if (integral) {
        const qint64 whole = number.toLongLong(&ok);
        if (ok) return double(whole);
    }
    const double value = number.toDouble(&ok);
    constexpr double kInt64Bound = 9223372036854775808.0;
    if (ok && std::trunc(value) == value && value >= -kInt64Bound && value < kInt64Bound) return double(qint64(value));
    return value;
}

}  // namespace

bool JsonKey::is(QLatin1StringView name) const {
    if (!m_escaped) return m_raw == QByteArrayView(name.data(), name.size());
    return decodedString(m_raw, true) == name;
}

JsonScanner::JsonScanner(QByteArrayView text) : m_text(text) {}

void JsonScanner::fail(QJsonParseError::ParseError error) const {
    throw JsonFault{QJsonParseError{int(m_at), error}};
}

bool JsonScanner::skipBlanks() {
    // Lists are indented: runs of blanks make a good part of the bytes.
    const char* const begin = m_text.data();
    const char* const end = begin + m_text.size();
    const char* at = begin + m_at;
    while (at < end && isBlank(*at)) ++at;
    m_at = at - begin;
    return at < end;
}

// The next structural character, read; 0 for anything else (read too) or the end.
char JsonScanner::nextToken() {
    if (!skipBlanks()) return 0;
    const char token = m_text[m_at++];
    return isStructural(token) ? token : 0;
}

bool JsonScanner::openDocumentArray() {
    if (m_text.size() > 3 && m_text.startsWith("\xEF\xBB\xBF")) m_at = 3;
    const char token = nextToken();
    if (token == '{') {
        readObjectMembers([this](const JsonKey&) { skipValue(); });
        return false;
    }
    if (token != '[') fail(QJsonParseError::IllegalValue);
    return true;
}

void JsonScanner::closeDocument() {
    if (skipBlanks()) fail(QJsonParseError::GarbageAtEnd);
}

void JsonScanner::enterContainer() {
    if (++m_nesting > kNestingLimit) fail(QJsonParseError::DeepNesting);
}

void JsonScanner::readArray(const std::function<void()>& element) {
    ++m_at;
    readArrayElements(element);
}

void JsonScanner::readArrayElements(const std::function<void()>& element) {
    enterContainer();
    if (!skipBlanks()) fail(QJsonParseError::UnterminatedArray);
    if (m_text[m_at] == ']') {
        ++m_at;
    } else {
        for (;;) {
            if (!skipBlanks()) fail(QJsonParseError::UnterminatedArray);
            element();
            const char token = nextToken();
            if (token == ']') break;
            if (token != ',')
                fail(skipBlanks() ? QJsonParseError::MissingValueSeparator : QJsonParseError::UnterminatedArray);
        }
    }
    --m_nesting;
}

void JsonScanner::readObject(const std::function<void(const JsonKey&)>& member) {
    ++m_at;
    readObjectMembers(member);
}

void JsonScanner::readObjectMembers(const std::function<void(const JsonKey&)>& member) {
    enterContainer();
    char token = nextToken();
    while (token == '"') {
        readString();
        const JsonKey key(m_string, m_stringEscaped);
        if (nextToken() != ':') fail(QJsonParseError::MissingNameSeparator);
        if (!skipBlanks()) fail(QJsonParseError::UnterminatedObject);
        member(key);
        token = nextToken();
        if (token != ',') break;
        token = nextToken();
        if (token == '}') fail(QJsonParseError::MissingObject);
    }
    if (token != '}') fail(QJsonParseError::UnterminatedObject);
    --m_nesting;
}

JsonValue JsonScanner::readValue() {
    JsonValue value;
    value.kind = consumeValue();
    if (value.kind == JsonValue::Kind::String) value.text = decodedString(m_string, m_stringEscaped);
    if (value.kind == JsonValue::Kind::Number) value.number = m_number;
    return value;
}

void JsonScanner::skipValue() {
    consumeValue();
}

JsonValue::Kind JsonScanner::consumeValue() {
    using Kind = JsonValue::Kind;
    switch (m_text[m_at++]) {
        case 'n':
            skipLiteral(QLatin1StringView("ull"));
            return Kind::Null;
        case 't':
            skipLiteral(QLatin1StringView("rue"));
            return Kind::True;
        case 'f':
            skipLiteral(QLatin1StringView("alse"));
            return Kind::False;
        case '"':
            readString();
            return Kind::String;
        case '[':
            readArrayElements([this] { skipValue(); });
            return Kind::Array;
        case '{':
            readObjectMembers([this](const JsonKey&) { skipValue(); });
            return Kind::Object;
        case ',':
            fail(QJsonParseError::IllegalValue);
        case ']':
        case '}':
            fail(QJsonParseError::MissingObject);
        default:
            --m_at;
            readNumber();
            return Kind::Number;
    }
}

// The rest of true, false or null; Qt wants one character more after it, as a document has.
void JsonScanner::skipLiteral(QLatin1StringView rest) {
    if (m_text.size() - m_at < rest.size() + 1) fail(QJsonParseError::IllegalValue);
    for (const char expected : rest)
        if (m_text[m_at++] != expected) fail(QJsonParseError::IllegalValue);
}

// Takes the characters of a number as Qt does, loosely, and lets Qt's conversion decide.
void JsonScanner::readNumber() {
    const qsizetype start = m_at;
    const auto next = [this](auto test) { return m_at < m_text.size() && test(m_text[m_at]); };
    const auto is = [](char wanted) { return [wanted](char c) { return c == wanted; }; };
    bool integral = true;
    if (next(is('-'))) ++m_at;
    if (next(is('0')))
        ++m_at;
    else
        while (next(isDigit)) ++m_at;
    if (next(is('.'))) {
        integral = false;
        ++m_at;
        while (next(isDigit)) ++m_at;
    }
    if (next([](char c) { return c == 'e' || c == 'E'; })) {
        integral = false;
        ++m_at;
        if (next([](char c) { return c == '-' || c == '+'; })) ++m_at;
        while (next(isDigit)) ++m_at;
    }
    if (m_at >= m_text.size()) fail(QJsonParseError::TerminationByNumber);
    bool ok = false;
    m_number = numberValue(m_text.sliced(start, m_at - start), integral, ok);
    if (!ok) fail(QJsonParseError::IllegalNumber);
}

// A string whose opening quote has been read, up to and with its closing quote. Qt checks the
// bytes up to the first escape, then the whole string again with its escapes; the faults and their
// places are the same as checking once, but for a text ending in the first backslash.
void JsonScanner::readString() {
    const qsizetype start = m_at;
    m_stringEscaped = false;
    while (m_at < m_text.size()) {
        skipPlainCharacters();
        if (m_at >= m_text.size()) break;
        const char c = m_text[m_at];
        if (c == '"') break;
        if (c == '\\') {
            if (!m_stringEscaped && m_at + 1 >= m_text.size()) {
                ++m_at;
                fail(QJsonParseError::UnterminatedString);
            }
            m_stringEscaped = true;
            skipEscape();
        } else if (uchar(c) < 0x80) {
            ++m_at;
        } else {
            skipUtf8Character();
        }
    }
    if (++m_at >= m_text.size()) fail(QJsonParseError::UnterminatedString);
    m_string = m_text.sliced(start, m_at - start - 1);
}

// Any character but u stands for itself, as Qt reads it; u takes four hexadecimal digits.
void JsonScanner::skipEscape() {
    if (++m_at >= m_text.size()) fail(QJsonParseError::IllegalEscapeSequence);
    if (m_text[m_at++] != 'u') return;
    if (m_at > m_text.size() - 4) fail(QJsonParseError::IllegalEscapeSequence);
    for (int i = 0; i < 4; ++i, ++m_at)
        if (!isHexDigit(m_text[m_at])) fail(QJsonParseError::IllegalEscapeSequence);
}

// The ASCII characters of a string that need no look: all but the quote and the backslash.
void JsonScanner::skipPlainCharacters() {
    const char* const begin = m_text.data();
    const char* const end = begin + m_text.size();
    const char* at = begin + m_at;
    while (at < end && uchar(*at) < 0x80 && *at != '"' && *at != '\\') ++at;
    m_at = at - begin;
}

void JsonScanner::skipUtf8Character() {
    const qsizetype length = utf8Length(m_text.sliced(m_at));
    if (length == 0) fail(QJsonParseError::IllegalUTF8String);
    m_at += length;
}
