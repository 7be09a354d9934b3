#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <vector>

// One record of an ADIF log as the reader hands it over: its number in the file (counted from 1
// after the header), the values of the fields asked for (empty where the record has none) and,
// when one of its tags was damaged, what was wrong: such a record is not to be trusted.
struct AdifRecord {
    int number = 0;
    std::vector<QString> values;
    QString fault;
};

// What a log says of itself beside its records: the program that wrote it, as its header names it,
// the programs whose own fields (APP_PROGRAM_FIELD) it carries, and how many field tags it holds.
struct AdifLogFacts {
    QString programId;          // the header's PROGRAMID, trimmed; empty without one
    QSet<QString> appPrograms;  // in upper case: "LOTW" for APP_LoTW_OWNCALL
    qint64 fieldTags = 0;
};

// Reads an ADIF log in either of its forms, told apart by the content: ADI, the tagged text
// (`<NAME:LENGTH[:TYPE]>value`, a header ended by `<EOH>`, records ended by `<EOR>`, tag names
// in any letter case, anything between tags passed over), or ADX, the XML form. ADI is read as the
// file's own bytes, its lengths as the file means them (adiValueOf); only the values asked for
// are decoded, as UTF-8 when the whole file is UTF-8, else as Windows-1252. Records without any
// field are counted but not handed over.
//
// Fails naming the file, the record and the fault when a length runs past the end of the file,
// the last record has no end, the text holds no ADIF record marks at all (a picture or another
// file picked by mistake), or the XML is broken or declares a document type: its entities could
// expand a small file beyond any memory, and ADX files have none.
class AdifReader {
public:
    using RecordSink = std::function<void(const AdifRecord&)>;

    // The names of the fields to hand over, in upper case, in the order of AdifRecord::values.
    explicit AdifReader(QStringList fieldNames);

    // Reads a whole file (a regular file of at most 64 MiB, UTF-8, UTF-16 or Windows-1252) and
    // hands over its records in file order.
    AdifLogFacts readFile(const QString& fileName, const RecordSink& sink) const;
    // The same for a file's bytes already read; `source` names it in the errors.
    AdifLogFacts readBytes(QByteArray bytes, const QString& source, const RecordSink& sink) const;

private:
    AdifLogFacts readAdi(QByteArrayView text, bool utf8, const QString& source, const RecordSink& sink) const;
    AdifLogFacts readAdx(const QString& text, const QString& source, const RecordSink& sink) const;
    // The place of a field among those asked for, or -1.
    int fieldIndex(QStringView name) const;
    int fieldIndex(QByteArrayView name) const;

    QStringList m_fieldNames;
    // The same names as bytes, for the tags of a tagged log, whose names are ASCII.
    std::vector<QByteArray> m_tagNames;
};
