#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>

#include "register/start_state.h"

class TestDataFolder;
namespace store {
class Database;
class Table;
}  // namespace store

// The island records of a data folder by reference, each as its field values by name
// ("Status" -> "W"), for comparing whole tables before and after a command.
using IslandRecords = QMap<QString, QMap<QString, QString>>;

// The fields of an island record that commands may change.
const QStringList& islandFields();

// Every record of the seven island tables.
IslandRecords readIslandRecords(const TestDataFolder& folder);

// A fixture file of record values, one record a line: the reference, then any number of
// Field="value" pairs ("AF-001 Status="W" Call="K1ABC""); blank lines and lines starting with
// "#" are skipped. A value runs to the next double quote, so trailing blanks stay visible.
IslandRecords readRecordValues(const QString& fileName);

// The records with the fixture's values laid over them.
IslandRecords withValues(IslandRecords records, const IslandRecords& values);

// Writes the fixture's values into the data folder.
void writeRecordValues(TestDataFolder& folder, const IslandRecords& values);

// One line per field that differs, naming the reference, the field and both values; empty
// when the records are the same.
QStringList recordDifferences(const IslandRecords& expected, const IslandRecords& actual);

// The case folders below tests/fixtures whose names start with the prefix, sorted by name.
QStringList fixtureCases(const QString& prefix);

// A file of a case folder below tests/fixtures.
QString fixtureFile(const QString& caseName, const QString& fileName);

// A command run on a data folder, given its connection, its table handle and its start counts.
using FolderCommand = std::function<void(store::Database&, store::Table&, const StartCounts&)>;

// Runs a command on the sample data folder prepared by the case's "start.txt" (when there is
// one) and compares all island records afterwards with those before, laid over by the values of
// the case's expected file. Returns the differences.
QStringList runRecordFixture(const QString& caseName, const QString& expectedFile, const FolderCommand& command);
