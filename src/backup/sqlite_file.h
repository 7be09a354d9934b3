#pragma once

#include <QString>
#include <QStringList>

struct sqlite3;

namespace backup {

// The first column of every row of a query on any connection, `parameter` bound to ?1 where
// given; fails naming the database file and SQLite's reason.
QStringList queryColumn(sqlite3* db, const QString& sql, const QString& parameter = QString());

// A connection of its own to a database file, closed when it goes: a backup being checked,
// counted or read back, or the copy being written.
class SqliteFile {
public:
    enum class Mode { ReadOnly, ReadWrite };

    // Fails naming the file and SQLite's reason.
    SqliteFile(const QString& fileName, Mode mode);
    // An empty database in memory.
    SqliteFile();
    ~SqliteFile();
    SqliteFile(const SqliteFile&) = delete;
    SqliteFile& operator=(const SqliteFile&) = delete;

    sqlite3* handle() const { return m_db; }
    // The first column of every row of a query, `parameter` bound to ?1 where given.
    QStringList column(const QString& sql, const QString& parameter = QString()) const {
        return queryColumn(m_db, sql, parameter);
    }
    void execute(const QString& sql) const;

private:
    sqlite3* m_db = nullptr;
};

// SQLite's reason for a failed call on a connection in the user's words where he can do something
// about it.
QString sqliteReason(sqlite3* db, int code);

}  // namespace backup
