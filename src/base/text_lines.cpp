#include "base/text_lines.h"

#include <QStringView>

#include "base/text_encoding.h"

namespace {

template <class Unit>
bool isLineEnd(Unit unit) {
    return unit == Unit('\r') || unit == Unit('\n');
}

}  // namespace

TextLines::TextLines(const QStringList& lines) {
    qsizetype length = 0;
    for (const QString& line : lines) length += line.size();
    m_text.reserve(length);
    m_spans.reserve(size_t(lines.size()));
    for (const QString& line : lines) {
        m_spans.push_back({quint32(m_text.size()), quint32(line.size())});
        m_text += line;
    }
}

TextLines::TextLines(std::initializer_list<QString> lines) : TextLines(QStringList(lines)) {}

TextLines TextLines::ofText(const QString& text) {
    TextLines lines;
    lines.m_text = text;
    lines.splitAtLineEnds(0);
    return lines;
}

std::optional<TextLines> TextLines::ofFileBytes(QByteArray bytes) {
    TextLines lines;
    if (const auto byteOrder = utf16MarkOf(bytes)) {
        std::optional<QString> text = decodeUtf16(QByteArrayView(bytes).sliced(2), *byteOrder);
        if (!text) return std::nullopt;
        return ofText(*text);
    }
    const qsizetype start = bytes.startsWith(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0;
    lines.m_encoding = QByteArrayView(bytes).sliced(start).isValidUtf8() ? Encoding::Utf8 : Encoding::Windows1252;
    lines.m_bytes = std::move(bytes);
    lines.splitAtLineEnds(start);
    return lines;
}

void TextLines::splitAtLineEnds(qsizetype start) {
    const auto split = [&](auto units, qsizetype size) {
        qsizetype lineStart = start;
        for (qsizetype i = start; i < size; ++i) {
            if (!isLineEnd(units[i])) continue;
            m_spans.push_back({quint32(lineStart), quint32(i - lineStart)});
            if (units[i] == '\r' && i + 1 < size && units[i + 1] == '\n') ++i;
            lineStart = i + 1;
        }
        if (lineStart < size) m_spans.push_back({quint32(lineStart), quint32(size - lineStart)});
    };
    if (m_encoding == Encoding::Utf16)
        split(m_text.utf16(), m_text.size());
    else
        split(m_bytes.constData(), m_bytes.size());
}

QString TextLines::operator[](qsizetype row) const {
    const Span span = m_spans[size_t(row)];
    switch (m_encoding) {
        case Encoding::Utf8:
            return decodeUtf8Piece(QByteArrayView(m_bytes).sliced(span.start, span.length));
        case Encoding::Windows1252:
            return decodeWindows1252(QByteArrayView(m_bytes).sliced(span.start, span.length));
        case Encoding::Utf16:
            break;
    }
    return m_text.sliced(span.start, span.length);
}

// ASCII bytes stand for themselves in UTF-8 and Windows-1252, and never inside a UTF-8 sequence.
bool TextLines::lineContains(qsizetype row, QLatin1StringView ascii) const {
    const Span span = m_spans[size_t(row)];
    if (m_encoding != Encoding::Utf16)
        return lineBytes(span).find(std::string_view(ascii.data(), size_t(ascii.size()))) != std::string_view::npos;
    return QStringView(m_text).sliced(span.start, span.length).contains(ascii);
}

bool TextLines::lineStartsWith(qsizetype row, QLatin1StringView ascii) const {
    const Span span = m_spans[size_t(row)];
    if (m_encoding != Encoding::Utf16)
        return lineBytes(span).starts_with(std::string_view(ascii.data(), size_t(ascii.size())));
    return QStringView(m_text).sliced(span.start, span.length).startsWith(ascii);
}

std::optional<QByteArrayView> TextLines::linePieceBefore(qsizetype row, char ascii) const {
    const Span span = m_spans[size_t(row)];
    if (m_encoding != Encoding::Utf16) {
        const std::string_view bytes = lineBytes(span);
        const size_t at = bytes.find(ascii);
        if (at == std::string_view::npos) return std::nullopt;
        return QByteArrayView(bytes.data(), qsizetype(at));
    }
    const QStringView line = QStringView(m_text).sliced(span.start, span.length);
    const qsizetype at = line.indexOf(QLatin1Char(ascii));
    if (at < 0) return std::nullopt;
    return QByteArrayView(reinterpret_cast<const char*>(line.utf16()), at * qsizetype(sizeof(char16_t)));
}

qsizetype TextLines::firstLineLongerThan(qsizetype characters) const {
    for (size_t row = 0; row < m_spans.size(); ++row) {
        // A line has at most as many characters as bytes: only a long one is decoded to count them.
        if (m_spans[row].length > characters && (*this)[qsizetype(row)].size() > characters) return qsizetype(row) + 1;
    }
    return 0;
}

TextLines TextLines::selected(const std::vector<qsizetype>& rows) const {
    TextLines lines;
    lines.m_encoding = m_encoding;
    lines.m_bytes = m_bytes;
    lines.m_text = m_text;
    lines.m_spans.reserve(rows.size());
    for (const qsizetype row : rows) lines.m_spans.push_back(m_spans[size_t(row)]);
    return lines;
}

QStringList TextLines::toStringList() const {
    QStringList lines;
    lines.reserve(size());
    for (const QString& line : *this) lines << line;
    return lines;
}
