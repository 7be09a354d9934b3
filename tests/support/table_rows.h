#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// Every row of every table of a database file, tab-joined values in rowid order, by table:
// for comparing a whole data folder before and after.
using TableRows = QMap<QString, QStringList>;

TableRows readTableRows(const QString& databaseFile);
