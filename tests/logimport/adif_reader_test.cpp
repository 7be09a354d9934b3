#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "base/failure.h"
#include "logimport/adif_reader.h"
#include "support/island_records.h"

namespace {

// The reader as the import uses it, asked for IOTA and CALL.
class AdifReading : public ::testing::Test {
protected:
    QString file(const QByteArray& bytes) {
        const QString fileName = m_dir.filePath(QStringLiteral("log.adi"));
        QFile out(fileName);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return fileName;
    }

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
        {"junk between tags", "<EOH>junk <> < b> <b>\r\n<IOTA:6>EU-005 x<CALL:4>G4ABrest<EOR>", {"1 EU-005 G4AB"}},
        {"values may hold < and >", "<EOH><CALL:5><EOR><IOTA:6>EU-005<EOR>", {"1 EU-005 <EOR>"}},
        {"empty records numbered, not handed over", "<EOH><EOR><EOR><CALL:1>X<EOR>", {"3  X"}},
        {"a length counts characters of UTF-8",
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

}  // namespace
