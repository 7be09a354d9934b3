#include "logimport/adif_reader.h"

#include <QDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <utility>

#include "base/failure.h"
#include "base/text_encoding.h"
#include "base/text_file.h"
#include "logimport/adi_tags.h"

namespace {

// A damaged tag is quoted in the skip reason up to this many characters.
constexpr qsizetype kQuotedTagLength = 40;
constexpr QByteArrayView kAppFieldPrefix("APP_");
constexpr QByteArrayView kProgramIdField("PROGRAMID");

Failure cannotRead(const QString& source, const QString& reason) {
    return Failure(QStringLiteral("Cannot read %1: %2").arg(QDir::toNativeSeparators(source), reason));
}

Failure cannotReadRecord(const QString& source, int record, const QString& reason) {
    return cannotRead(source, QStringLiteral("record %1: %2").arg(record).arg(reason));
}

bool sameName(QStringView a, QLatin1StringView b) {
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

bool sameName(QByteArrayView a, QByteArrayView b) {
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

// A tag's name against a name asked for in upper case, each byte folded only where it is a letter.
bool sameAsciiName(QByteArrayView name, QByteArrayView upper) {
    if (name.size() != upper.size()) return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (c != upper[i] && !(c >= 'a' && c <= 'z' && c - ('a' - 'A') == upper[i])) return false;
    }
    return true;
}

QString quotedTag(QByteArrayView text, qsizetype open) {
    const qsizetype close = text.indexOf('>', open);
    const qsizetype length = close < 0 ? kQuotedTagLength : std::min(close - open + 1, kQuotedTagLength);
    return QLatin1Char('"') + decodeWindows1252(text.sliced(open, std::min(length, text.size() - open))) +
           QLatin1Char('"');
}

QString decodedValue(QByteArrayView bytes, bool utf8) {
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
    if (ascii) return QString::fromLatin1(bytes);
    return utf8 ? decodeUtf8Piece(bytes) : decodeWindows1252(bytes);
}

// Notes the program of an application's own field, APP_PROGRAM_FIELD.
void noteAppProgram(QByteArrayView name, AdifLogFacts& facts) {
    if (name.size() <= kAppFieldPrefix.size() ||
        name.first(kAppFieldPrefix.size()).compare(kAppFieldPrefix, Qt::CaseInsensitive) != 0)
        return;
    const QByteArrayView rest = name.sliced(kAppFieldPrefix.size());
    const qsizetype underscore = rest.indexOf('_');
    if (underscore > 0) facts.appPrograms.insert(QString::fromLatin1(rest.first(underscore)).toUpper());
}

bool looksLikeXml(QByteArrayView bytes) {
    const QByteArrayView start = bytes.trimmed();
    return start.startsWith("<?xml") ||
           start.first(std::min<qsizetype>(4, start.size())).compare("<ADX", Qt::CaseInsensitive) == 0;
}

void clearRecord(AdifRecord& record) {
    for (QString& value : record.values) value.clear();
    record.fault.clear();
}

}  // namespace

AdifReader::AdifReader(QStringList fieldNames) : m_fieldNames(std::move(fieldNames)) {
    for (const QString& name : m_fieldNames) m_tagNames.push_back(name.toLatin1().toUpper());
}

AdifLogFacts AdifReader::readFile(const QString& fileName, const RecordSink& sink) const {
    return readBytes(readTextFileBytes(fileName), fileName, sink);
}

AdifLogFacts AdifReader::readBytes(QByteArray bytes, const QString& source, const RecordSink& sink) const {
    if (const std::optional<QStringConverter::Encoding> byteOrder = utf16MarkOf(bytes)) {
        const std::optional<QString> text = decodeUtf16(QByteArrayView(bytes).sliced(2), *byteOrder);
        if (!text)
            throw cannotRead(source, QStringLiteral("it begins with a UTF-16 byte order mark but is no valid UTF-16"));
        bytes = text->toUtf8();
    }
    QByteArrayView body(bytes);
    if (body.startsWith(kUtf8ByteOrderMark)) body = body.sliced(kUtf8ByteOrderMark.size());
    if (looksLikeXml(body)) return readAdx(decodeText(body.toByteArray()), source, sink);
    return readAdi(body, body.isValidUtf8(), source, sink);
}

int AdifReader::fieldIndex(QStringView name) const {
    for (qsizetype i = 0; i < m_fieldNames.size(); ++i)
        if (name.size() == m_fieldNames[i].size() && name.compare(m_fieldNames[i], Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

// No byte above ASCII is a letter of another case of an ASCII one, so names compare as bytes.
int AdifReader::fieldIndex(QByteArrayView name) const {
    for (size_t i = 0; i < m_tagNames.size(); ++i)
        if (sameAsciiName(name, m_tagNames[i])) return int(i);
    return -1;
}

AdifLogFacts AdifReader::readAdi(QByteArrayView text, bool utf8, const QString& source, const RecordSink& sink) const {
    AdifLogFacts facts;
    QString headerProgram;
    AdifRecord record;
    record.number = 1;
    record.values.resize(m_fieldNames.size());
    bool hasFields = false;
    bool sawMark = false;
    qsizetype pos = 0;
    for (qsizetype open = text.indexOf('<'); open >= 0; open = text.indexOf('<', pos)) {
        const AdiTag tag = readAdiTag(text, open);
        pos = open + 1;
        if (tag.kind == AdiTag::Kind::Damaged) {
            record.fault = QStringLiteral("the tag %1 has no valid length").arg(quotedTag(text, open));
            hasFields = true;
        } else if (tag.kind == AdiTag::Kind::Field) {
            const std::optional<AdiValue> value = adiValueOf(text, tag, utf8);
            if (!value)
                throw cannotReadRecord(
                    source, record.number,
                    QStringLiteral("the field %1 is to hold %2 characters, but the file ends %3 "
                                   "characters after its tag; the file may be cut short")
                        .arg(QString::fromLatin1(tag.name))
                        .arg(tag.length > kMaxTextFileBytes ? QStringLiteral("more") : QString::number(tag.length))
                        .arg(text.size() - tag.end));
            ++facts.fieldTags;
            noteAppProgram(tag.name, facts);
            if (record.fault.isEmpty()) record.fault = value->fault;
            const QByteArrayView bytes = text.sliced(tag.end, value->end - tag.end);
            if (const int index = fieldIndex(tag.name); index >= 0)
                record.values[size_t(index)] = decodedValue(bytes, utf8);
            if (record.number == 1 && sameName(tag.name, kProgramIdField))
                headerProgram = decodedValue(bytes, utf8).trimmed();
            hasFields = true;
            pos = value->end;
        } else if (isEndOfHeader(tag) && record.number == 1) {
            // Everything so far was the header.
            facts.programId = headerProgram;
            clearRecord(record);
            hasFields = false;
            sawMark = true;
            pos = tag.end;
        } else if (isEndOfRecord(tag)) {
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
    return facts;
}

AdifLogFacts AdifReader::readAdx(const QString& text, const QString& source, const RecordSink& sink) const {
    // A document type is where entities are declared; refused before the parser sees it.
    if (text.contains(u"<!DOCTYPE", Qt::CaseInsensitive))
        throw cannotRead(source, QStringLiteral("it declares a document type (<!DOCTYPE>); ADX files have none, and "
                                                "the entities declared there could make it grow beyond any memory"));
    QXmlStreamReader xml(text);
    AdifLogFacts facts;
    AdifRecord record;
    record.values.resize(m_fieldNames.size());
    const auto fail = [&](const QString& reason) {
        const QString where =
            QStringLiteral("%1 (line %2, column %3)").arg(reason).arg(xml.lineNumber()).arg(xml.columnNumber());
        return record.number > 0 ? cannotReadRecord(source, record.number, where) : cannotRead(source, where);
    };
    // An application's own field is <APP PROGRAMID="LoTW" FIELDNAME="OWNCALL">.
    const auto noteApp = [&] {
        const QStringView program = xml.attributes().value(QLatin1String("PROGRAMID"));
        if (!program.isEmpty()) facts.appPrograms.insert(program.toString().toUpper());
    };
    if (!xml.readNextStartElement() || !sameName(xml.name(), QLatin1StringView("ADX")))
        throw xml.hasError() ? fail(xml.errorString())
                             : cannotRead(source, QStringLiteral("it is XML but no ADX log (its root is not <ADX>)"));
    while (xml.readNextStartElement()) {
        if (sameName(xml.name(), QLatin1StringView("HEADER"))) {
            while (xml.readNextStartElement()) {
                const bool programId = sameName(xml.name(), QLatin1StringView("PROGRAMID"));
                const QString value = xml.readElementText(QXmlStreamReader::SkipChildElements);
                if (programId) facts.programId = value.trimmed();
            }
            continue;
        }
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
                if (sameName(xml.name(), QLatin1StringView("APP"))) noteApp();
                const int index = fieldIndex(xml.name());
                QString value = xml.readElementText(QXmlStreamReader::SkipChildElements);
                if (index >= 0) record.values[size_t(index)] = std::move(value);
                hasFields = true;
                ++facts.fieldTags;
            }
            if (xml.hasError()) throw fail(xml.errorString());
            if (hasFields) sink(record);
        }
    }
    if (xml.hasError()) throw fail(xml.errorString());
    return facts;
}
