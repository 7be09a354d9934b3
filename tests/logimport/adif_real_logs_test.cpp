#include <gtest/gtest.h>

#include <QFile>
#include <cctype>

#include "logimport/adif_import.h"
#include "logimport/adif_reader.h"
#include "register/codes.h"
#include "register/iota_list.h"
#include "support/qt_printers.h"
#include "support/real_files.h"

namespace {

QByteArray bytesOf(const QString& fileName) {
    QFile file(fileName);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << fileName.toStdString();
    return file.readAll();
}

// What a plain scan of the bytes finds: the record ends and the field tags.
struct TagCounts {
    qsizetype recordEnds = 0;
    qsizetype fieldTags = 0;
};

// Whether a field tag "<NAME:LENGTH[:T]>" stands at text[open] == '<'.
bool isFieldTagAt(QByteArrayView text, qsizetype open) {
    static const auto isName = [](char c) { return std::isalnum(uchar(c)) || c == '_'; };
    qsizetype i = open + 1;
    while (i < text.size() && isName(text[i])) ++i;
    if (i == open + 1 || i >= text.size() || text[i] != ':') return false;
    const qsizetype digits = ++i;
    while (i < text.size() && std::isdigit(uchar(text[i]))) ++i;
    if (i == digits) return false;
    if (i + 1 < text.size() && text[i] == ':' && std::isalpha(uchar(text[i + 1]))) i += 2;
    return i < text.size() && text[i] == '>';
}

TagCounts scanTags(QByteArrayView text) {
    TagCounts counts;
    for (qsizetype open = text.indexOf('<'); open >= 0; open = text.indexOf('<', open + 1)) {
        if (text.sliced(open).first(std::min<qsizetype>(5, text.size() - open)).compare("<eor>", Qt::CaseInsensitive) ==
            0)
            ++counts.recordEnds;
        else if (isFieldTagAt(text, open))
            ++counts.fieldTags;
    }
    return counts;
}

// What the reader makes of a log: the records it numbers, those it does not trust, its facts.
struct ReadLog {
    int lastRecord = 0;
    QStringList faults;
    AdifLogFacts facts;
};

ReadLog readLog(const QString& fileName) {
    ReadLog read;
    read.facts = AdifReader(adifFieldNames()).readFile(fileName, [&](const AdifRecord& record) {
        read.lastRecord = record.number;
        if (!record.fault.isEmpty())
            read.faults << QStringLiteral("record %1: %2").arg(record.number).arg(record.fault);
    });
    return read;
}

struct RealLog {
    const char* path;
    LogOrigin origin;
};

// Every record end of a real log ends a QSO, every field tag is read, and no record is doubted.
TEST(RealAdifLogs, EveryRecordAndEveryTagIsRead) {
    const RealLog logs[] = {
        {"adif/cloudlog_backup_logbook.adi", LogOrigin::Logger},
        {"adif/cloudlog_lotwreport6.adi", LogOrigin::Lotw},
        {"adif/qrzlogbook_m0nom_p.204681.20210116183312.adi", LogOrigin::Logger},
        {"adif/ADIF_316_test_QSOs_2025_08_27.adi", LogOrigin::Logger},
        {"adif/log4om_Log4OM.adi", LogOrigin::Logger},
        {"adif/qlog_all_ADIF_fields_example.adi", LogOrigin::Logger},
    };
    for (const RealLog& log : logs) {
        const QString fileName = realFile(QLatin1String(log.path));
        if (fileName.isEmpty()) GTEST_SKIP() << "the real logs are absent (they live in " SKERRY_REAL_FILES ")";
        const TagCounts expected = scanTags(bytesOf(fileName));
        const ReadLog read = readLog(fileName);
        EXPECT_EQ(read.lastRecord, expected.recordEnds) << log.path;
        EXPECT_EQ(read.facts.fieldTags, expected.fieldTags) << log.path;
        EXPECT_EQ(read.faults, QStringList()) << log.path;
        EXPECT_EQ(logOriginOf(read.facts), log.origin) << log.path;
    }
}

// The Cloudlog backup counts the lengths of its accented names in bytes: 3,546 QSOs, none merged.
TEST(RealAdifLogs, ACloudlogBackupKeepsEveryQso) {
    SKIP_WITHOUT_REAL_FILE(fileName, "adif/cloudlog_backup_logbook.adi");
    EXPECT_EQ(readAdifLog(fileName, {}).qsos, 3546);
}

// Every reference of every continent, needed.
IslandRecordStates everyReferenceNeeded() {
    IslandRecordStates records;
    for (const Continent& continent : continents())
        for (int number = 1; number <= 999; ++number)
            records.insert(QStringLiteral("%1-%2").arg(continent.code).arg(number, 3, 10, QLatin1Char('0')),
                           {continent.tableName, QString(), status::Needed});
    return records;
}

// A LoTW report confirms by LoTW: its 52 references are worked, and confirmed only when LoTW counts.
TEST(RealAdifLogs, ALotwReportConfirmsOnlyWhenLotwCounts) {
    SKIP_WITHOUT_REAL_FILE(fileName, "adif/cloudlog_lotwreport6.adi");
    const IslandRecordStates records = everyReferenceNeeded();
    const AdifLog log = readAdifLog(fileName, records);
    EXPECT_EQ(log.origin, LogOrigin::Lotw);
    const auto statusesAfter = [&](ConfirmationSources sources) {
        QStringList after;
        for (const PlannedChange& change : planAdifImport(log, records, sources).changes) after << change.after;
        after.removeDuplicates();
        return std::pair(planAdifImport(log, records, sources).changes.size(), after);
    };
    EXPECT_EQ(statusesAfter(defaultConfirmationSources()), std::pair(size_t(52), QStringList{"W"}));
    EXPECT_EQ(statusesAfter(*confirmationSourcesNamed(QStringLiteral("card,lotw"))),
              std::pair(size_t(52), QStringList{"C"}));
}

}  // namespace
