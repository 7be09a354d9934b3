// Walks the golden cases of tests/fixtures/member/<case>/: member.mbr is imported into the sample
// data folder prepared by start.sql (if any); expected.txt lists every table cell the import
// changes, one "table|row|field|new value|" a line, and "refused" last when the import refuses
// the file. Run with SKERRY_REGENERATE_REFERENCES=1 to write expected.txt from what the import
// does, then review the difference.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "base/failure.h"
#include "exchange/member_import.h"
#include "register/codes.h"
#include "register/store/database.h"
#include "register/store/table.h"
#include "support/data_folder.h"
#include "support/files.h"

namespace {

const QString kCaseFolder = QStringLiteral(SKERRY_FIXTURES "/member");

// The field that names a row of each table in the expected changes.
QString rowNameField(const QString& table) {
    if (table == kOwnerTable) return "Name";
    if (table == kAwardsTable) return "No";
    return "IOTA";
}

// Every cell of the nine tables as "table|row|field|value|", in table, key and field order.
QStringList cells(const QString& dataFolder) {
    store::Database db(dataFolder);
    QStringList all;
    QStringList tables{kOwnerTable};
    tables << startCountTables();
    for (const QString& table : tables) {
        const QStringList fields = db.columnsOf(table);
        const int nameField = int(fields.indexOf(rowNameField(table)));
        store::Statement& select = db.prepare(QString("SELECT * FROM \"%1\" ORDER BY 1").arg(table));
        while (select.step())
            for (int field = 1; field < fields.size(); ++field)  // the key in place 1 is never written
                all << QStringList{table, select.columnText(nameField), fields[field], select.columnText(field), ""}
                           .join('|');
    }
    return all;
}

QStringList expectedChanges(const QString& fileName) {
    QStringList changes;
    for (const QString& line : QString::fromUtf8(fileBytes(fileName)).split('\n'))
        if (!line.isEmpty() && !line.startsWith('#')) changes << line;
    return changes;
}

void writeExpected(const QString& fileName, const QStringList& changes) {
    QByteArray bytes = "# Every cell that importing member.mbr changes: table|row|field|new value|\n";
    for (const QString& change : changes) bytes += change.toUtf8() + '\n';
    writeFile(fileName, bytes);
}

QStringList changesOfImport(const QString& caseFolder) {
    TestDataFolder folder;
    const QString startSql = caseFolder + "/start.sql";
    if (QFile::exists(startSql)) folder.execute(QString::fromUtf8(fileBytes(startSql)));
    const QStringList before = cells(folder.dataFolder());
    bool refused = false;
    {
        store::Database db(folder.dataFolder());
        store::Table table(db);
        const StartState start = readStartState(table);
        try {
            importMemberFile(db, table, caseFolder + "/member.mbr", start.counts);
        } catch (const Failure&) {
            refused = true;
        }
    }
    const QStringList after = cells(folder.dataFolder());
    EXPECT_EQ(before.size(), after.size()) << "the import adds or removes no rows";
    QStringList changes;
    for (qsizetype i = 0; i < std::min(before.size(), after.size()); ++i)
        if (after[i] != before[i]) changes << after[i];
    if (refused) changes << "refused";
    return changes;
}

TEST(MemberFixtures, EachCaseChangesExactlyTheExpectedCells) {
    const QStringList cases = QDir(kCaseFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_FALSE(cases.isEmpty()) << "no cases in " << kCaseFolder.toStdString();
    const bool regenerate = regeneratingReferences();
    for (const QString& name : cases) {
        SCOPED_TRACE("case " + name.toStdString());
        const QString caseFolder = kCaseFolder + "/" + name;
        const QStringList actual = changesOfImport(caseFolder);
        if (regenerate) writeExpected(caseFolder + "/expected.txt", actual);
        const QStringList expected = expectedChanges(caseFolder + "/expected.txt");
        for (const QString& change : expected)
            EXPECT_TRUE(actual.contains(change)) << "expected but not made: " << change.toStdString();
        for (const QString& change : actual)
            EXPECT_TRUE(expected.contains(change)) << "made but not expected: " << change.toStdString();
        EXPECT_EQ(actual, expected) << "changes out of order";
    }
}

}  // namespace
