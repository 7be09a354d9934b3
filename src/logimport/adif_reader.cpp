#include "logimport/adif_reader.h"

#include <QDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <limits>
#include <utility>

#include "base/failure.h"
#include "base/text_file.h"

namespace {

// More digits than this make a length no file of at most 64 MiB can hold.
constexpr qsizetype kMaxLengthDigits = 9;
constexpr qsizetype kBeyondAnyFile = std::numeric_limits<qsizetype>::max();
// A damaged tag is quoted in the skip reason up to this many characters.
constexpr qsizetype kQuotedTagLength = 40;

Failure cannotRead(const QString& source, const QString& reason) {
    return Failure(QStringLiteral("Cannot read %1: %2").arg(QDir::toNativeSeparators(source), reason));
}

Failure cannotReadRecord(const QString& source, int record, const QString& reason) {
    return cannotRead(source, QStringLiteral("record %1: %2").arg(record).arg(reason));
}

bool isNameCharacter(QChar c) {
    return c > u' ' && c != u'<' && c != u'>' && c != u':' && c != u',' && c != u'{' && c != u'}';
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool sameName(QStringView a, QLatin1StringView b) {
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

// One tag of the tagged form, found at a "<".
struct Tag {
    enum class Kind { None, Marker, Field, Damaged };
    Kind kind = Kind::None;
    QStringView name;
    qsizetype length = 0;  // characters of the value; more than the text holds when the digits say so
    qsizetype end = 0;     // the place after the ">"
};

Tag damagedTag(QStringView name) {
    return {Tag::Kind::Damaged, name, 0, 0};
}

// The length the digits give; kBeyondAnyFile when there are too many to be a length of any file.
qsizetype lengthOf(QStringView digits) {
    if (digits.size() > kMaxLengthDigits) return kBeyondAnyFile;
    qsizetype length = 0;
    for (QChar c : digits) length = length * 10 + (c.unicode() - u'0');
    return length;
}

// Reads the tag at text[open] == "<". Text that only looks like the start of a tag is None, and
// is passed over as text between tags; a field name followed by something other than a length
// is Damaged.
Tag readTag(QStringView text, qsizetype open) {
    const qsizetype end = text.size();
    qsizetype i = open + 1;
    while (i < end && isNameCharacter(text[i])) ++i;
    if (i == open + 1 || i >= end) return {};
    const QStringView name = text.sliced(open + 1, i - open - 1);
    if (text[i] == u'>') return {Tag::Kind::Marker, name, 0, i + 1};
    if (text[i] != u':') return {};
    const qsizetype digitsStart = ++i;
    while (i < end && isDigit(text[i])) ++i;
    if (i == digitsStart || i >= end) return damagedTag(name);
    const qsizetype length = lengthOf(text.sliced(digitsStart, i - digitsStart));
    if (text[i] == u':') {
        ++i;
        while (i < end && text[i].isLetter()) ++i;
    }
    if (i >= end || text[i] != u'>') return damagedTag(name);
    return {Tag::Kind::Field, name, length, i + 1};
}

QString quotedTag(QStringView text, qsizetype open) {
    const qsizetype close = text.indexOf(u'>', open);
    const qsizetype length = close < 0 ? kQuotedTagLength : std::min(close - open + 1, kQuotedTagLength);
    return QLatin1Char('"') + text.sliced(open, std::min(length, text.size() - open)).toString() + QLatin1Char('"');
}

bool looksLikeXml(QStringView text) {
    const QStringView start = text.trimmed();
    return start.startsWith(u"<?xml", Qt::CaseInsensitive) || start.startsWith(u"<ADX", Qt::CaseInsensitive);
}

void clearRecord(AdifRecord& record) {
    for (QString& value : record.values) value.clear();
    record.fault.clear();
}

}  // namespace

AdifReader::AdifReader(QStringList fieldNames) : m_fieldNames(std::move(fieldNames)) {}

void AdifReader::readFile(const QString& fileName, const RecordSink& sink) const {
    readText(readTextFile(fileName), fileName, sink);
}

void AdifReader::readText(const QString& text, const QString& source, const RecordSink& sink) const {
    if (looksLikeXml(text))
        readAdx(text, source, sink);
    else
        readAdi(text, source, sink);
}

int AdifReader::fieldIndex(QStringView name) const {
    for (qsizetype i = 0; i < m_fieldNames.size(); ++i)
        if (name.size() == m_fieldNames[i].size() && name.compare(m_fieldNames[i], Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

void AdifReader::readAdi(const QString& text, const QString& source, const RecordSink& sink) const {
    AdifRecord record;
    record.number = 1;
    record.values.resize(m_fieldNames.size());
    bool hasFields = false;
    bool sawMark = false;
    const qsizetype end = text.size();
    qsizetype pos = 0;
    for (qsizetype open = text.indexOf(u'<'); open >= 0; open = text.indexOf(u'<', pos)) {
        const Tag tag = readTag(text, open);
        pos = open + 1;
        if (tag.kind == Tag::Kind::Damaged) {
            record.fault = QStringLiteral("the tag %1 has no valid length").arg(quotedTag(text, open));
            hasFields = true;
        } else if (tag.kind == Tag::Kind::Field) {
            if (tag.length > end - tag.end)
                throw cannotReadRecord(
                    source, record.number,
                    QStringLiteral("the field %1 is to hold %2 characters, but the file ends %3 "
                                   "characters after its tag; the file may be cut short")
                        .arg(tag.name.toString())
                        .arg(tag.length == kBeyondAnyFile ? QStringLiteral("more") : QString::number(tag.length))
                        .arg(end - tag.end));
            if (const int index = fieldIndex(tag.name); index >= 0)
                record.values[size_t(index)] = text.sliced(tag.end, tag.length);
            hasFields = true;
            pos = tag.end + tag.length;
        } else if (tag.kind == Tag::Kind::Marker && sameName(tag.name, QLatin1StringView("EOH")) &&
                   record.number == 1) {
            // Everything so far was the header.
            clearRecord(record);
            hasFields = false;
            sawMark = true;
            pos = tag.end;
        } else if (tag.kind == Tag::Kind::Marker && sameName(tag.name, QLatin1StringView("EOR"))) {
            if (hasFields) sink(record);
            clearRecord(record);
            hasFields = false;
            sawMark = true;
            ++record.number;
            pos = tag.end;
        }
    }
    if (!sawMark)
        throw cannotRead(source, QStringLiteral("it holds no ADIF log: no <EOH> or <EOR> tag; choose an ADIF file "
                                                "(*.adi, *.adif, *.adx)"));
    if (hasFields)
        throw cannotReadRecord(source, record.number,
                               QStringLiteral("it has no <EOR> at its end; the file may be cut short"));
}

void AdifReader::readAdx(const QString& text, const QString& source, const RecordSink& sink) const {
    // A document type is where entities are declared; refused before the parser sees it.
    if (text.contains(u"<!DOCTYPE", Qt::CaseInsensitive))
        throw cannotRead(source, QStringLiteral("it declares a document type (<!DOCTYPE>); ADX files have none, and "
                                                "the entities declared there could make it grow beyond any memory"));
    QXmlStreamReader xml(text);
    AdifRecord record;
    record.values.resize(m_fieldNames.size());
    const auto fail = [&](const QString& reason) {
        const QString where =
            QStringLiteral("%1 (line %2, column %3)").arg(reason).arg(xml.lineNumber()).arg(xml.columnNumber());
        return record.number > 0 ? cannotReadRecord(source, record.number, where) : cannotRead(source, where);
    };
    if (!xml.readNextStartElement() || !sameName(xml.name(), QLatin1StringView("ADX")))
        throw xml.hasError() ? fail(xml.errorString())
                             : cannotRead(source, QStringLiteral("it is XML but no ADX log (its root is not <ADX>)"));
    while (xml.readNextStartElement()) {
        if (!sameName(xml.name(), QLatin1StringView("RECORDS"))) {
            xml.skipCurrentElement();
            continue;
        }
        while (xml.readNextStartElement()) {
            if (!sameName(xml.name(), QLatin1StringView("RECORD"))) {
                xml.skipCurrentElement();
                continue;
            }
            ++record.number;
            clearRecord(record);
            bool hasFields = false;
            while (xml.readNextStartElement()) {
                const int index = fieldIndex(xml.name());
                QString value = xml.readElementText(QXmlStreamReader::SkipChildElements);
                if (index >= 0) record.values[size_t(index)] = std::move(value);
                hasFields = true;
            }
            if (xml.hasError()) throw fail(xml.errorString());
            if (hasFields) sink(record);
        }
    }
    if (xml.hasError()) throw fail(xml.errorString());
}
