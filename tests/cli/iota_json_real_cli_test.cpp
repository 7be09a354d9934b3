#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "register/codes.h"
#include "register/iota_list.h"
#include "register/store/database.h"
#include "support/cli_run.h"
#include "support/real_files.h"

// The award programme's own fulllist.json through skerrydesk-cli: a new data folder from Debian's
// list, that folder brought up to date by the list, and a folder made from the list itself.

namespace {

const QHash<QString, QString> kGroupCodes{{"AI", "A"}, {"BI", "B"}, {"WI", "W"}, {"", ""}};

// The list's groups by reference, each as its group code, read here apart from the program.
QMap<QString, QString> listedGroupCodes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QMap<QString, QString> codes;
    for (const QJsonValue& group : QJsonDocument::fromJson(file.readAll()).array())
        codes.insert(group["refno"].toString(), kGroupCodes.value(group["grp_region"].toString(), "?"));
    return codes;
}

// Every island record of a folder: reference -> {ABW, Status, Call, Prefix, Island}.
QMap<QString, QStringList> records(const QString& workingFolder) {
    store::Database db(QDir(workingFolder).filePath("Data"));
    QMap<QString, QStringList> all;
    for (const Continent& continent : continents()) {
        store::Statement& select =
            db.prepare(QString("SELECT IOTA, ABW, Status, Call, Prefix, Island FROM \"%1\"").arg(continent.tableName));
        while (select.step())
            all.insert(select.columnText(0), {select.columnText(1), select.columnText(2), select.columnText(3),
                                              select.columnText(4), select.columnText(5)});
    }
    return all;
}

// The tot column of summary --groups by group ("ai" -> 120).
QMap<QString, int> groupTotals(const QString& workingFolder) {
    const CliRun summary = cli(workingFolder, {"summary", "--groups"});
    EXPECT_EQ(summary.exitCode, 0) << summary.err.toStdString();
    QMap<QString, int> totals;
    for (const QString& line : summary.out.split('\n', Qt::SkipEmptyParts).mid(1))
        totals.insert(line.section('\t', 0, 0), line.section('\t', -1).toInt());
    return totals;
}

// Every listed reference the folder holds carries the list's group code.
void expectListedGroupCodes(const QMap<QString, QString>& listed, const QMap<QString, QStringList>& held) {
    int compared = 0;
    for (auto group = listed.cbegin(); group != listed.cend(); ++group) {
        if (!held.contains(group.key())) continue;
        ++compared;
        EXPECT_EQ(held[group.key()][0], group.value()) << group.key().toStdString();
    }
    EXPECT_GE(compared, 1170);
}

// The programme's groups of each award that the folder holds, counted in the award's tables as
// the summary counts them.
QMap<QString, int> programmeTotals(const QMap<QString, QString>& listed, const QMap<QString, QStringList>& held) {
    const QHash<QString, QStringList> tables{{"A", {"EU", "AS", "NA"}}, {"B", {"EU"}}, {"W", {"NA", "SA"}}};
    const QHash<QString, QString> areas{{"A", "ai"}, {"B", "bi"}, {"W", "wi"}};
    QMap<QString, int> totals{{"ai", 0}, {"bi", 0}, {"wi", 0}};
    for (auto group = listed.cbegin(); group != listed.cend(); ++group)
        if (held.contains(group.key()) && tables.value(group.value()).contains(group.key().left(2)) &&
            QStringList({"-", "W", "C", "A"}).contains(held[group.key()][1]))
            ++totals[areas[group.value()]];
    return totals;
}

class RealIotaList : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QFile::exists(kDebianIotaList)) GTEST_SKIP() << "cqrlog-data is not installed";
    }
    QTemporaryDir dir;
};

TEST_F(RealIotaList, PlainInitGivesTheGroupCodesOfTheProgrammesList) {
    SKIP_WITHOUT_REAL_FILE(path, "iota/fulllist.json");
    ASSERT_EQ(cli(dir.path(), {"init"}).exitCode, 0);
    const QMap<QString, QString> listed = listedGroupCodes(path);
    const QMap<QString, QStringList> held = records(dir.path());
    expectListedGroupCodes(listed, held);
    const QMap<QString, int> totals = groupTotals(dir.path());
    EXPECT_EQ(totals, programmeTotals(listed, held));
    for (const char* area : {"ai", "bi", "wi"}) EXPECT_GT(totals.value(area), 0) << area;
}

TEST_F(RealIotaList, ImportListDeletesTheWithdrawnKeepsTheCreditedAndTrimsTheNames) {
    SKIP_WITHOUT_REAL_FILE(path, "iota/fulllist.json");
    ASSERT_EQ(cli(dir.path(), {"init"}).exitCode, 0);
    {
        store::Database db(dir.filePath("Data"));
        db.execute(
            "UPDATE \"IOTA-EU\" SET Status = 'A', Call = 'IQ4AA' WHERE IOTA = 'EU-155';"
            "UPDATE \"IOTA-EU\" SET ABW = 'W', Island = 'Blasket Islands ' WHERE IOTA = 'EU-007'");
    }
    const CliRun run = cli(dir.path(), {"import-list", path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("EU-007\tABW\tW\tB\n")) << "the preview prints group changes as other fields";
    EXPECT_TRUE(run.out.contains("AN-014\tStatus\t-\tD\n"));
    EXPECT_TRUE(run.out.contains("EU-155\tnot in the programme's list: kept as A\n"));
    EXPECT_TRUE(run.out.endsWith(", 3 not in the programme's list\n")) << run.out.right(200).toStdString();

    const QMap<QString, QStringList> held = records(dir.path());
    const QMap<QString, QString> listed = listedGroupCodes(path);
    expectListedGroupCodes(listed, held);
    for (const char* withdrawn : {"AN-014", "OC-096"})
        EXPECT_EQ(held[withdrawn], (QStringList{"", "D", "", "DELETED", "DELETED"})) << withdrawn;
    EXPECT_EQ(held["EU-155"].mid(1, 2), (QStringList{"A", "IQ4AA"}));
    for (auto record = held.cbegin(); record != held.cend(); ++record)
        EXPECT_EQ(record.value()[4], record.value()[4].trimmed()) << record.key().toStdString();
    EXPECT_EQ(groupTotals(dir.path()), programmeTotals(listed, held));
    const CliRun again = cli(dir.path(), {"import-list", path, "--dry-run"});
    EXPECT_TRUE(again.out.startsWith("EU-155\tnot in the programme's list: kept as A\n0 changed, 1178 unchanged"))
        << again.out.left(200).toStdString();
}

TEST_F(RealIotaList, InitFromTheProgrammesListHoldsItsGroupsNamesAndRarity) {
    SKIP_WITHOUT_REAL_FILE(path, "iota/fulllist.json");
    const CliRun init = cli(dir.path(), {"init", "--list", path});
    ASSERT_EQ(init.exitCode, 0) << init.err.toStdString();
    EXPECT_TRUE(init.out.endsWith(" with 1178 listed references\n")) << init.out.toStdString();
    const QMap<QString, QStringList> held = records(dir.path());
    const QMap<QString, QString> listed = listedGroupCodes(path);
    expectListedGroupCodes(listed, held);
    for (auto group = listed.cbegin(); group != listed.cend(); ++group) {
        EXPECT_EQ(held[group.key()][1], "-") << group.key().toStdString();
        EXPECT_EQ(held[group.key()][4], held[group.key()][4].trimmed()) << group.key().toStdString();
    }
    EXPECT_EQ(held["AN-014"][1], "U") << "withdrawn: an unallocated number";
    EXPECT_EQ(groupTotals(dir.path()), programmeTotals(listed, held));
    const CliRun rarity = cli(dir.path(), {"want-list", "--by-rarity"});
    EXPECT_EQ(rarity.exitCode, 0) << rarity.err.toStdString();
    store::Database db(dir.filePath("Data"));
    store::Statement& boxes = db.prepare("SELECT count(*), sum(West > East) FROM \"Groups\"");
    ASSERT_TRUE(boxes.step());
    EXPECT_EQ(boxes.columnInteger(0), 1178);
    EXPECT_EQ(boxes.columnInteger(1), 5) << "the boxes across the date line";
}

}  // namespace
