#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <random>

#include "base/failure.h"
#include "logimport/adi_tags.h"
#include "logimport/adif_reader.h"
#include "support/files.h"
#include "support/island_records.h"
#include "support/qt_printers.h"

namespace {

// The reader as the import uses it, asked for IOTA and CALL.
class AdifReading : public ::testing::Test {
protected:
    QString file(const QByteArray& bytes) { return writeFile(m_dir.filePath(QStringLiteral("log.adi")), bytes); }

    // Each record handed over as "number IOTA CALL", a "!" and the fault added to a damaged one.
    static QStringList records(const QString& fileName) {
        QStringList seen;
        AdifReader({QStringLiteral("IOTA"), QStringLiteral("CALL")}).readFile(fileName, [&](const AdifRecord& record) {
            seen << QStringLiteral("%1 %2 %3").arg(record.number).arg(record.values[0], record.values[1]) +
                        (record.fault.isEmpty() ? QString() : QStringLiteral(" !") + record.fault);
        });
        return seen;
    }

    QTemporaryDir m_dir;
};

struct ReadCase {
    const char* name;
    QByteArray bytes;
    QStringList expected;
};

TEST_F(AdifReading, TaggedTextAsLoggersWriteIt) {
    const ReadCase cases[] = {
        {"no header", "<IOTA:6>EU-005<CALL:4>G4AB<EOR>", {"1 EU-005 G4AB"}},
        {"header dropped at <EOH>", "text <CALL:4>HEAD<EOH><IOTA:6>EU-005<EOR>", {"1 EU-005 "}},
        {"any letter case, a type", "<eoh><Iota:6:S>EU-005<call:4:s>G4AB<eor>", {"1 EU-005 G4AB"}},
        {"letters of any case, but no other letter for an ASCII one",
         "<eoh><cAlL:4>G4AB<I\xd3TA:6>EU-005<iOtA_:1>x<EOR>",
         {"1  G4AB"}},
        {"junk between tags", "<EOH>junk <> < b> <b>\r\n<IOTA:6>EU-005 x<CALL:4>G4ABrest<EOR>", {"1 EU-005 G4AB"}},
        {"values may hold < and >", "<EOH><CALL:5>A<B>C<IOTA:6>EU-005<EOR>", {"1 EU-005 A<B>C"}},
        {"a value never swallows <EOR>",
         "<EOH><CALL:9>K1A<EOR><IOTA:6>EU-005<EOR>",
         {"1  K1A !the field CALL is to hold 9 characters, but <EOR> follows after 3", "2 EU-005 "}},
        {"empty records numbered, not handed over", "<EOH><EOR><EOR><CALL:1>X<EOR>", {"3  X"}},
        {"a length may count characters of UTF-8",
         "<EOH><CALL:5>K\xc3\x96"
         "1AB<IOTA:6>EU-005<EOR>",
         {QString::fromUtf8("1 EU-005 K\xc3\x96"
                            "1AB")}},
        {"not UTF-8: Windows-1252",
         "<EOH><CALL:5>K\xf6\x80"
         "AB<IOTA:6>EU-005<EOR>",
         {QString::fromUtf8("1 EU-005 K\xc3\xb6\xe2\x82\xac"
                            "AB")}},
        {"a negative length damages its record",
         "<EOH><CALL:-4>G4AB<IOTA:6>EU-005<EOR><CALL:1>X<EOR>",
         {"1 EU-005  !the tag \"<CALL:-4>\" has no valid length", "2  X"}},
        {"ADX",
         "<?xml version=\"1.0\"?><adx><HEADER><IOTA>no</IOTA></HEADER><RECORDS><RECORD><iota>EU-005</iota>"
         "<CALL>G&amp;B</CALL><APP FIELDNAME=\"CALL\">no</APP></RECORD><RECORD/></RECORDS></adx>",
         {"1 EU-005 G&B"}},
    };
    for (const ReadCase& read : cases) EXPECT_EQ(records(file(read.bytes)), read.expected) << read.name;
}

QByteArray randomBytes(unsigned seed, int size) {
    std::mt19937 random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes) byte = char(random() % 256);
    bytes[0] = 'J';  // no byte order mark
    return bytes.replace('<', 'x');
}

struct BadCase {
    const char* name;
    QByteArray bytes;
    const char* fault;
};

// Bad files are refused whole, naming the file, the record and the fault.
TEST_F(AdifReading, BadFilesAreRefusedNamingFileRecordAndFault) {
    const QByteArray laughs =
        "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [<!ENTITY lol \"lol\">"
        "<!ENTITY lol2 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">]>"
        "<ADX><RECORDS><RECORD><CALL>&lol2;</CALL></RECORD></RECORDS></ADX>";
    const BadCase cases[] = {
        {"a length past the end", "<EOH><CALL:1>A<EOR><CALL:50>K1ABC<EOR>",
         "record 2: the field CALL is to hold 50 characters, but the file ends 10 characters after its tag"},
        {"a huge length", "<EOH><CALL:99999999999999999999>K1ABC<EOR>", "record 1: the field CALL is to hold more"},
        {"cut short after a record", "<EOH><CALL:1>A<EOR><CALL:3>ABC", "record 2: it has no <EOR> at its end"},
        {"binary junk", randomBytes(7, 64 * 1024), "it holds no ADIF log"},
        {"an XML bomb", laughs, "it declares a document type"},
        {"broken XML", "<ADX><RECORDS><RECORD><CALL>A</CALL></RECORD><RECORD><CALL>B</RECORD></RECORDS></ADX>",
         "record 2: "},
        {"XML of another kind", "<?xml version=\"1.0\"?><html><body/></html>", "it is XML but no ADX log"},
    };
    for (const BadCase& bad : cases) {
        const QString fileName = file(bad.bytes);
        try {
            records(fileName);
            ADD_FAILURE() << bad.name << " was read";
        } catch (const Failure& failure) {
            EXPECT_TRUE(failure.message().startsWith("Cannot read " + QDir::toNativeSeparators(fileName) + ": "))
                << failure.message().toStdString();
            EXPECT_TRUE(failure.message().contains(QLatin1String(bad.fault))) << failure.message().toStdString();
        }
    }
}

// The two forms of one log give the same records.
TEST_F(AdifReading, AdiAndAdxOfOneLogGiveTheSameRecords) {
    const QStringList adi = records(fixtureFile(QStringLiteral("adif_several_qsos"), QStringLiteral("input.adi")));
    EXPECT_EQ(adi.size(), 11);
    EXPECT_EQ(records(fixtureFile(QStringLiteral("adif_several_qsos"), QStringLiteral("input.adx"))), adi);
}

// "LluÍS" is 5 characters and 6 bytes of UTF-8; loggers count it either way.
const QByteArray kName = "Llu\xc3\x8dS";

// Each record as "number NAME IOTA", a "!" and the fault added to a damaged one.
QStringList namesAndReferences(const QByteArray& bytes) {
    QStringList seen;
    AdifReader({QStringLiteral("NAME"), QStringLiteral("IOTA")})
        .readBytes(bytes, QStringLiteral("log.adi"), [&](const AdifRecord& record) {
            seen << QStringLiteral("%1 %2 %3").arg(record.number).arg(record.values[0], record.values[1]) +
                        (record.fault.isEmpty() ? QString() : QStringLiteral(" !") + record.fault);
        });
    return seen;
}

struct LengthCase {
    const char* name;
    QByteArray bytes;
    QStringList expected;
};

// A length is taken as bytes or as characters, whichever the next tag, the record end or the end of
// the file follows; where neither or both do, the bytes, and the QSO is not trusted.
TEST(AdifLengths, AreReadAsTheFileMeansThem) {
    const QString name = QString::fromUtf8(kName);
    const QString both = QStringLiteral(
        "the length 10 of the field NAME fits both as bytes and as characters of its "
        "UTF-8 value");
    const LengthCase cases[] = {
        {"bytes before <eor>", "<eoh><NAME:6>" + kName + "<eor><IOTA:6>EU-005<eor>", {"1 " + name + " ", "2  EU-005"}},
        {"characters before <eor>",
         "<eoh><NAME:5>" + kName + "<eor><IOTA:6>EU-005<eor>",
         {"1 " + name + " ", "2  EU-005"}},
        {"bytes before a tag", "<eoh><NAME:6>" + kName + "<IOTA:6>EU-005<eor>", {"1 " + name + " EU-005"}},
        {"characters before a tag", "<eoh><NAME:5>" + kName + "<IOTA:6>EU-005<eor>", {"1 " + name + " EU-005"}},
        {"bytes, blanks and a line end before <eor>",
         "<eoh>\r\n\t<NAME:6>" + kName + " \r\n\t<eor>",
         {"1 " + name + " "}},
        {"characters that take in a blank say the same", "<eoh><NAME:6>" + kName + " <eor>", {"1 " + name + " "}},
        {"both fit",
         "<eoh><NAME:10>\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9<A:0><eor>",
         {"1 " + QString::fromUtf8("\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9") + "  !" + both}},
        {"neither fits",
         "<eoh><NAME:3>\xc3\xa9\xc3\xa9 xyz<eor><IOTA:6>EU-005<eor>",
         {"1 " + QString::fromUtf8("\xc3\xa9\xef\xbf\xbd") +
              "  !the length 3 of the field NAME fits neither as bytes nor as characters of its UTF-8 value: no "
              "tag follows either",
          "2  EU-005"}},
        {"Windows-1252: a byte is a character", "<eoh><NAME:5>Llu\xcdS<eor>", {"1 " + name + " "}},
        {"UTF-16 is read as its characters",
         QByteArray("\xff\xfe") + QStringLiteral("<eoh><NAME:5>%1<eor>").arg(name).toUtf8(),
         {"1 " + name + " "}},
    };
    for (const LengthCase& length : cases) {
        QByteArray bytes = length.bytes;
        if (bytes.startsWith("\xff\xfe")) {
            const QString text = QString::fromUtf8(bytes.sliced(2));
            bytes = QByteArray("\xff\xfe") + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
        }
        EXPECT_EQ(namesAndReferences(bytes), length.expected) << length.name;
    }
}

// A value that is the last thing in the file ends there however its length counts; only a length
// past the end of the file under both counts says the file is cut short.
TEST(AdifLengths, AValueAtTheEndOfTheFile) {
    for (const char* length : {"5", "6"}) {
        const QByteArray text = "<eoh><NAME:" + QByteArray(length) + ">" + kName;
        const AdiTag field = readAdiTag(text, text.indexOf("<NAME"));
        const std::optional<AdiValue> value = adiValueOf(text, field, true);
        ASSERT_TRUE(value) << length;
        EXPECT_EQ(value->end, text.size()) << length;
        EXPECT_EQ(value->fault, QString()) << length;
    }
    const QByteArray cut = "<eoh><NAME:7>" + kName;
    EXPECT_FALSE(adiValueOf(cut, readAdiTag(cut, 5), true));
}

// What a log says of itself: the program of its header, the programs of its APP_ fields.
TEST(AdifLengths, TheLogSaysWhoWroteIt) {
    const AdifLogFacts lotw = AdifReader({}).readBytes(
        "ARRL Logbook of the World Status Report\n<PROGRAMID:4>LoTW\n<APP_LoTW_NUMREC:1>1\n<eoh>\n"
        "<APP_LoTW_OWNCALL:4>K1AB<CALL:4>G4AB<eor>\n<PROGRAMID:3>XYZ<eor>",
        QStringLiteral("lotw.adi"), [](const AdifRecord&) {});
    EXPECT_EQ(lotw.programId, QStringLiteral("LoTW"));
    EXPECT_EQ(lotw.appPrograms, QSet<QString>{QStringLiteral("LOTW")});
    EXPECT_EQ(lotw.fieldTags, 5);
    const AdifLogFacts adx = AdifReader({}).readBytes(
        "<?xml version=\"1.0\"?><ADX><HEADER><PROGRAMID> eQSL.cc </PROGRAMID></HEADER><RECORDS><RECORD><CALL>A</CALL>"
        "<APP PROGRAMID=\"EQSL\" FIELDNAME=\"X\" TYPE=\"S\">1</APP></RECORD></RECORDS></ADX>",
        QStringLiteral("eqsl.adx"), [](const AdifRecord&) {});
    EXPECT_EQ(adx.programId, QStringLiteral("eQSL.cc"));
    EXPECT_EQ(adx.appPrograms, QSet<QString>{QStringLiteral("EQSL")});
    const AdifLogFacts noHeader =
        AdifReader({}).readBytes("<PROGRAMID:4>LoTW<CALL:1>A<eor>", QStringLiteral("x.adi"), [](const AdifRecord&) {});
    EXPECT_EQ(noHeader.programId, QString()) << "a record's PROGRAMID is no header's";
}

}  // namespace
