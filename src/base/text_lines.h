#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <string_view>
#include <vector>

// The lines of a text, read-only. A file's lines stay the file's own bytes, each line decoded
// only when it is read, so that a large file costs its size once, not twice as UTF-16 and again
// per line. Copies and selections share the text.
class TextLines {
public:
    TextLines() = default;
    // Lines already held as strings: built texts, fetched answers, a test's lines.
    TextLines(const QStringList& lines);  // NOLINT(google-explicit-constructor): lines are lines
    TextLines(std::initializer_list<QString> lines);

    // Splits a text at CR LF, LF or a lone CR; a line end at the very end starts no new line.
    static TextLines ofText(const QString& text);
    // The lines of a file's bytes, decoded as decodeText does; nothing when a UTF-16 byte order
    // mark is followed by no UTF-16.
    static std::optional<TextLines> ofFileBytes(QByteArray bytes);

    qsizetype size() const { return qsizetype(m_spans.size()); }
    bool isEmpty() const { return m_spans.empty(); }
    QString operator[](qsizetype row) const;
    QString at(qsizetype row) const { return (*this)[row]; }
    // Whether a line holds, or begins with, an ASCII text; read without decoding the line.
    bool lineContains(qsizetype row, QLatin1StringView ascii) const;
    bool lineStartsWith(qsizetype row, QLatin1StringView ascii) const;
    // The piece of a line before the first place of an ASCII character, in the text's own units,
    // for telling pieces apart without decoding them: equal pieces give equal views, within
    // one text. Nothing when the line lacks the character.
    std::optional<QByteArrayView> linePieceBefore(qsizetype row, char ascii) const;
    // The first line longer than the given number of characters, counted from 1; 0 when there is none.
    qsizetype firstLineLongerThan(qsizetype characters) const;
    // The lines of the given rows, in the order given, sharing this text.
    TextLines selected(const std::vector<qsizetype>& rows) const;
    QStringList toStringList() const;

    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = QString;
        using difference_type = qsizetype;
        using pointer = void;
        using reference = QString;

        const_iterator() = default;
        const_iterator(const TextLines* lines, qsizetype row) : m_lines(lines), m_row(row) {}
        QString operator*() const { return (*m_lines)[m_row]; }
        const_iterator& operator++() {
            ++m_row;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++m_row;
            return before;
        }
        bool operator==(const const_iterator& other) const { return m_row == other.m_row; }

    private:
        const TextLines* m_lines = nullptr;
        qsizetype m_row = 0;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    enum class Encoding { Utf8, Windows1252, Utf16 };
    // A line's place in the text: bytes for a file's bytes, characters for UTF-16.
    struct Span {
        quint32 start;
        quint32 length;
    };

    void splitAtLineEnds(qsizetype start);
    // The bytes of a line of a UTF-8 or Windows-1252 file.
    std::string_view lineBytes(Span span) const { return {m_bytes.constData() + span.start, span.length}; }

    Encoding m_encoding = Encoding::Utf16;
    QByteArray m_bytes;  // a UTF-8 or Windows-1252 file's bytes
    QString m_text;      // a UTF-16 text
    std::vector<Span> m_spans;
};
