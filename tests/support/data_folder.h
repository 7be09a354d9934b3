#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

#include "register/iota_list.h"
#include "support/qt_printers.h"

// A temporary working folder with a small delivered Data/ folder: a few listed islands per
// continent (padded with unallocated numbers as delivered), every owner row empty, the awards.
// Its helpers open a connection of their own for each call, so use them while no table
// handle of the code under test holds the folder.
class TestDataFolder {
public:
    explicit TestDataFolder(const std::vector<ListedIsland>& islands = sampleIslands());

    QString path() const { return m_dir.path(); }
    QString dataFolder() const;

    void setOwnerValue(const QString& name, const QString& value);
    QString ownerValue(const QString& name) const;
    // Runs SQL on the database, e.g. to prepare statuses or groups.
    void execute(const QString& sql);
    // The values of one column over a whole table in key order.
    QStringList column(const QString& table, const QString& field) const;
    void removeTable(const QString& table);
    // Builds the table anew without one of its fields, its records kept, as a damaged folder may hold it.
    void removeField(const QString& table, const QString& field);

    // Two to four listed islands per continent with gaps, so every table has "-" and "U" records.
    static std::vector<ListedIsland> sampleIslands();

private:
    QTemporaryDir m_dir;
};
