#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace store {
class Database;
}

// One record's new values as the baseline writes them, the record found by a key field.
struct RowChange {
    QString table;
    QString keyField;
    QString key;
    QStringList fields;
    QStringList values;
};

// A full-size member file (every reference of Debian's list in all thirteen kinds, 20 award
// lines, every owner line) and the row changes its import makes.
struct MemberWorkload {
    QStringList lines;
    std::vector<RowChange> changes;
};

const MemberWorkload& memberWorkload();

// Puts the tables back where every run starts from, so that every run writes every row it touches.
void resetTables(store::Database& db);

// The baseline: raw prepared statements finding each row by its key and writing its new values,
// in one transaction.
void rawRowChanges(store::Database& db, const std::vector<RowChange>& changes);
