#include "support/island_records.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "base/text_file.h"
#include "register/codes.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "support/data_folder.h"

const QStringList& islandFields() {
    static const QStringList fields{"ABW", "Prefix", "Island", "Call", "Status", "Comment"};
    return fields;
}

IslandRecords readIslandRecords(const TestDataFolder& folder) {
    IslandRecords records;
    for (const Continent& continent : continents()) {
        const QStringList references = folder.column(continent.tableName, QStringLiteral("IOTA"));
        for (const QString& field : islandFields()) {
            const QStringList values = folder.column(continent.tableName, field);
            for (qsizetype i = 0; i < references.size(); ++i) records[references[i]][field] = values[i];
        }
    }
    return records;
}

IslandRecords readRecordValues(const QString& fileName) {
    static const QRegularExpression pair(QStringLiteral("(\\w+)=\"([^\"]*)\""));
    IslandRecords values;
    for (const QString& line : readTextLines(fileName)) {
        if (line.trimmed().isEmpty() || line.startsWith(u'#')) continue;
        const QString reference = line.section(u' ', 0, 0);
        auto& fields = values[reference];
        for (auto match = pair.globalMatch(line); match.hasNext();) {
            const auto found = match.next();
            fields[found.captured(1)] = found.captured(2);
        }
    }
    return values;
}

IslandRecords withValues(IslandRecords records, const IslandRecords& values) {
    for (auto record = values.begin(); record != values.end(); ++record)
        for (auto field = record->begin(); field != record->end(); ++field)
            records[record.key()][field.key()] = field.value();
    return records;
}

void writeRecordValues(TestDataFolder& folder, const IslandRecords& values) {
    for (auto record = values.begin(); record != values.end(); ++record) {
        const QString table = continentByCode(record.key().left(2))->tableName;
        for (auto field = record->begin(); field != record->end(); ++field)
            folder.execute(QStringLiteral("UPDATE \"%1\" SET \"%2\" = %3 WHERE IOTA = %4")
                               .arg(table, field.key(), store::quoted(field.value()), store::quoted(record.key())));
    }
}

QStringList recordDifferences(const IslandRecords& expected, const IslandRecords& actual) {
    QStringList differences;
    for (auto record = expected.begin(); record != expected.end(); ++record) {
        if (!actual.contains(record.key())) {
            differences << record.key() + QStringLiteral(": missing");
            continue;
        }
        for (auto field = record->begin(); field != record->end(); ++field) {
            const QString found = actual[record.key()].value(field.key());
            if (found != field.value())
                differences << QStringLiteral("%1 %2: expected \"%3\", found \"%4\"")
                                   .arg(record.key(), field.key(), field.value(), found);
        }
    }
    for (auto record = actual.begin(); record != actual.end(); ++record)
        if (!expected.contains(record.key())) differences << record.key() + QStringLiteral(": not expected");
    return differences;
}

QStringList fixtureCases(const QString& prefix) {
    return QDir(QStringLiteral(SKERRY_FIXTURES)).entryList({prefix + u'*'}, QDir::Dirs, QDir::Name);
}

QString fixtureFile(const QString& caseName, const QString& fileName) {
    return QDir(QStringLiteral(SKERRY_FIXTURES)).filePath(caseName + u'/' + fileName);
}

QStringList runRecordFixture(const QString& caseName, const QString& expectedFile, const FolderCommand& command) {
    TestDataFolder folder;
    const QString start = fixtureFile(caseName, QStringLiteral("start.txt"));
    if (QFileInfo::exists(start)) writeRecordValues(folder, readRecordValues(start));
    const IslandRecords before = readIslandRecords(folder);
    {
        store::Database database(folder.dataFolder());
        store::Table table(database);
        const StartState state = readStartState(table);
        command(database, table, state.counts);
    }
    const IslandRecords expected = withValues(before, readRecordValues(fixtureFile(caseName, expectedFile)));
    return recordDifferences(expected, readIslandRecords(folder));
}
