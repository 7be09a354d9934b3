#pragma once

#include <QByteArrayView>
#include <QJsonParseError>
#include <QLatin1StringView>
#include <QString>
#include <functional>

// A fault in a JSON text, named and placed as Qt's JSON parser names and places it, so a refused
// list gets the same message whichever reader refused it.
struct JsonFault {
    QJsonParseError error;
};

// A value as the scanner reads it: a string's text, a number as QJsonValue::toDouble gives it,
// true, false or null; an array or object only by its kind, its contents skipped.
struct JsonValue {
    enum class Kind { Null, True, False, String, Number, Array, Object };
    Kind kind = Kind::Null;
    QString text;
    double number = 0;
};

// The name of an object's member as the file writes it.
class JsonKey {
public:
    JsonKey(QByteArrayView raw, bool escaped) : m_raw(raw), m_escaped(escaped) {}
    // Whether the name, its escapes read, is the given ASCII name.
    bool is(QLatin1StringView name) const;

private:
    QByteArrayView m_raw;
    bool m_escaped;
};

// Reads a JSON text from its bytes, value by value, without building a document: the caller takes
// the values it wants and skips the rest, which is checked as strictly as Qt's parser checks it
// (UTF-8, escapes, numbers, nesting up to 1,024 levels). Accepts exactly what QJsonDocument
// accepts and throws a JsonFault where it would fail. The bytes must outlive the scanner.
class JsonScanner {
public:
    explicit JsonScanner(QByteArrayView text);

    // The document opens (after a byte order mark and blanks) with an array: true, its opening
    // read; with an object: false, the object read and skipped.
    bool openDocumentArray();
    // Nothing but blanks follows the document's value.
    void closeDocument();

    // At the first character of a value:
    bool atObject() const { return m_text[m_at] == '{'; }
    bool atArray() const { return m_text[m_at] == '['; }
    // Reads an array whose opening is still to be read, handing each element to the function,
    // which must read or skip that element whole.
    void readArray(const std::function<void()>& element);
    // Reads an object whose opening is still to be read, handing each member's name to the
    // function, which must read or skip the member's value whole.
    void readObject(const std::function<void(const JsonKey&)>& member);
    // Reads the value, or only checks it: a container's contents are checked and passed over.
    JsonValue readValue();
    void skipValue();

    // The elements of an array whose opening has been read, as the document's array after
    // openDocumentArray.
    void readArrayElements(const std::function<void()>& element);

private:
    [[noreturn]] void fail(QJsonParseError::ParseError error) const;
    bool skipBlanks();
    char nextToken();
    JsonValue::Kind consumeValue();
    void enterContainer();
    void readObjectMembers(const std::function<void(const JsonKey&)>& member);
    void skipLiteral(QLatin1StringView rest);
    void readNumber();
    void readString();
    void skipEscape();
    void skipPlainCharacters();
    void skipUtf8Character();

    QByteArrayView m_text;
    qsizetype m_at = 0;
    int m_nesting = 0;
    // The last string's bytes between its quotes and whether they hold escapes; the last number.
    QByteArrayView m_string;
    bool m_stringEscaped = false;
    double m_number = 0;
};
