#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

#include "base/failure.h"

struct sqlite3;
struct sqlite3_stmt;

namespace store {

// The failure of a database file that is spoilt, not merely out of reach: empty, no database, or
// damaged. Only a restore from a backup, or a new start, mends it.
class DamagedDatabaseFailure : public Failure {
public:
    using Failure::Failure;
};

// Whether a system call failed for want of room: a full disk or a full quota.
bool isNoRoomError(int systemError);
// Whether a failed SQLite call on a connection ran out of room, whichever file it was writing: a
// full disk shows as SQLITE_FULL only where SQLite writes a file itself, as an I/O error with the
// system's reason where it grows the log's index or syncs.
bool ranOutOfRoom(sqlite3* db, int code);

// A prepared SQLite statement; values go in and out as text, parameters are numbered from 1.
class Statement {
public:
    Statement(sqlite3* db, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int parameter, const QString& value);
    void bind(int parameter, qint64 value);
    // Runs the statement one step; true while it delivers a row.
    bool step();
    void reset();
    int columnCount() const;
    QString columnText(int column) const;
    qint64 columnInteger(int column) const;
    double columnDouble(int column) const;
    bool columnIsNull(int column) const;
    // Whether the value is stored as a number (integer or real), not as text, a blob or NULL.
    bool columnIsNumber(int column) const;

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
    QString m_sql;
    // Per result column, whether its declared type gives it text affinity: its values are never
    // numbers, so they are read as text without asking their type. Read anew when SQLite
    // prepared the statement anew (a changed table).
    void readColumnAffinities();
    std::vector<bool> m_textColumns;
    int m_reprepares = 0;
};

// The connection `Database1`: the data folder with its one database file "skerrydesk.db".
// It connects on first use and then keeps the folder to itself until it is closed, so a
// second program or CLI on the same folder waits a few seconds for it and is then refused
// with a clear message.
class Database {
public:
    static constexpr const char* kFileName = "skerrydesk.db";

    Database() = default;
    explicit Database(const QString& dataFolder);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Points the connection at another data folder; an open connection is closed first.
    void setPath(const QString& dataFolder);
    const QString& path() const { return m_path; }
    QString fileName() const;
    bool isConnected() const { return m_db != nullptr; }
    // Lets the folder go; fails naming the file when SQLite cannot close it.
    void close();

    // The column names of a table in their order; fails naming the table when it is missing.
    QStringList columnsOf(const QString& table);
    // A prepared statement kept for reuse; it is reset before it is handed out.
    Statement& prepare(const QString& sql);
    // The SQLite connection itself, connecting first when needed.
    sqlite3* handle() { return connection(); }
    // Runs statements that deliver no rows.
    void execute(const QString& sql);

    // Moves on with every row this connection writes, and with every new connection (a restore):
    // the windows that show what the tables hold read them again when it moved.
    struct WriteMark {
        const void* connection = nullptr;
        long long rowsWritten = 0;
        bool operator==(const WriteMark&) const = default;
    };
    WriteMark writeMark() const;

    // Creates a new data folder file with the nine empty tables and those added beside them;
    // refuses when one exists.
    static void create(const QString& dataFolder);

    // Creates the tables added beside the nine that the database lacks: done whenever a data
    // folder is opened, and after a restore from a backup made before them.
    void addMissingTables();

    // One write transaction around a batch command. The command ends it with commit(), whose
    // failure (a full disk shows here) is the command's failure. When a failure ends the command
    // before that, what was posted is committed as the transaction goes out of scope, so records
    // posted before the failure stay written, and that failure is the one reported.
    class Transaction {
    public:
        explicit Transaction(Database& db);
        ~Transaction();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;

        // Makes the batch durable; a failure leaves nothing of it stored.
        void commit();
        // Drops the whole batch, for a command that is to be written whole or not at all.
        void rollBack();

    private:
        Database& m_db;
        bool m_pending = false;
        long long m_changesAtBegin = 0;
    };

    // Whether the last batch that a failure ended kept records it had written before the failure.
    bool failedBatchKeptRecords() const { return m_failedBatchKeptRecords; }

private:
    sqlite3* connection();
    void connect();
    // One try to open the file and take the folder; false when another program holds it.
    bool takeFolder();

    QString m_path;
    sqlite3* m_db = nullptr;
    std::unordered_map<QString, std::unique_ptr<Statement>> m_statements;
    std::map<QString, QStringList> m_columns;
    bool m_failedBatchKeptRecords = false;
};

}  // namespace store
