#include "register/store/database.h"

#include <sqlite3.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>
#include <cerrno>
#include <utility>

#include "base/failure.h"
#include "register/store/schema.h"

namespace store {

namespace {

// SQLite's rules for a column's affinity from its declared type, in their order: "INT" gives
// integer affinity, then "CHAR", "CLOB" or "TEXT" text affinity. A column of text affinity stores
// a number given to it as text, so its values are never numbers. An expression has no declared type.
bool hasTextAffinity(const char* declaredType) {
    if (!declaredType) return false;
    const QByteArray type = QByteArray(declaredType).toUpper();
    if (type.contains("INT")) return false;
    return type.contains("CHAR") || type.contains("CLOB") || type.contains("TEXT");
}

// How long a program waits for a data folder another one holds, and the pause between its tries.
constexpr std::chrono::milliseconds kBusyWait{3000};
constexpr int kRetryPauseMs = 40;

QString sqliteMessage(sqlite3* db) {
    return QString::fromUtf8(sqlite3_errmsg(db));
}

bool isBusy(int code) {
    return (code & 0xff) == SQLITE_BUSY || (code & 0xff) == SQLITE_LOCKED;
}

QString nativeFileName(sqlite3* db) {
    const char* name = sqlite3_db_filename(db, "main");
    return QDir::toNativeSeparators(QString::fromUtf8(name ? name : ""));
}

// The way back from a lost or damaged database, named with the commands that take it.
const QString kRestoreHint = QStringLiteral(
    "restore it from a backup (\"skerrydesk-cli backups\", then \"skerrydesk-cli restore ID\", or \"8 More > Backups\" "
    "in "
    "the program)");

// What the user reads for the failures of the disk or the file that he can do something
// about; %1 is the database file, %2 the way back to a backup.
struct PlainReason {
    int code;
    const char* text;
    bool damaged;  // the file itself is spoilt: only a restore or a new start mends it
};

constexpr PlainReason kPlainReasons[] = {
    {SQLITE_FULL, "The disk that holds %1 is full; free some space and try again", false},
    {SQLITE_IOERR, "%1 could not be read or written (disk I/O error); check the disk, and %2 if the error stays",
     false},
    {SQLITE_CORRUPT, "%1 is damaged; %2, or move it away and run \"skerrydesk-cli init\" to start again", true},
    {SQLITE_NOTADB,
     "%1 is not a Skerrydesk database; %2, or move it away and run \"skerrydesk-cli init\" to start again", true},
    {SQLITE_READONLY, "%1 is write-protected; allow writing to the file and its folder and try again", false},
    // The file is there (looked at before opening): what fails is its journal beside it.
    {SQLITE_CANTOPEN, "%1 cannot be opened for writing; allow writing to its folder and try again", false},
};

// The failure of a statement: a plain sentence where the reason is the disk or the file, the
// statement and SQLite's words otherwise.
[[noreturn]] void throwStatementFailure(sqlite3* db, int code, const QString& sql, const QString& reason) {
    const int primary = ranOutOfRoom(db, code) ? SQLITE_FULL : code & 0xff;
    for (const PlainReason& plain : kPlainReasons) {
        if (primary != plain.code) continue;
        const QString message =
            QString(QLatin1String(plain.text)).replace(QLatin1String("%2"), kRestoreHint).arg(nativeFileName(db));
        if (plain.damaged) throw DamagedDatabaseFailure(message);
        throw Failure(message);
    }
    if (isBusy(code))
        throw Failure(QStringLiteral("%1 is in use by another program; close it and try again (%2)")
                          .arg(nativeFileName(db), reason));
    throw Failure(QStringLiteral("%1 could not carry out \"%2\": %3").arg(nativeFileName(db), sql, reason));
}

// A batch that ends by a failure may leave SQLite's transaction open; the next batch must find
// the connection as after a commit.
void rollBackOpenTransaction(sqlite3* db) {
    if (db && !sqlite3_get_autocommit(db)) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
}

}  // namespace

bool isNoRoomError(int systemError) {
    return systemError == ENOSPC || systemError == EDQUOT;
}

bool ranOutOfRoom(sqlite3* db, int code) {
    if ((code & 0xff) == SQLITE_FULL) return true;
    return (code & 0xff) == SQLITE_IOERR && db && isNoRoomError(sqlite3_system_errno(db));
}

Statement::Statement(sqlite3* db, const QString& sql) : m_db(db), m_sql(sql) {
    const QByteArray utf8 = sql.toUtf8();
    const int code = sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr);
    if (code != SQLITE_OK) throwStatementFailure(db, code, sql, sqliteMessage(db));
    readColumnAffinities();
}

void Statement::readColumnAffinities() {
    m_reprepares = sqlite3_stmt_status(m_stmt, SQLITE_STMTSTATUS_REPREPARE, 0);
    m_textColumns.assign(size_t(sqlite3_column_count(m_stmt)), false);
    for (size_t column = 0; column < m_textColumns.size(); ++column)
        m_textColumns[column] = hasTextAffinity(sqlite3_column_decltype(m_stmt, int(column)));
}

Statement::~Statement() {
    sqlite3_finalize(m_stmt);
}

void Statement::bind(int parameter, const QString& value) {
    const QByteArray utf8 = value.toUtf8();
    sqlite3_bind_text(m_stmt, parameter, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void Statement::bind(int parameter, qint64 value) {
    sqlite3_bind_int64(m_stmt, parameter, value);
}

bool Statement::step() {
    const int code = sqlite3_step(m_stmt);
    if (code == SQLITE_ROW) {
        if (sqlite3_stmt_status(m_stmt, SQLITE_STMTSTATUS_REPREPARE, 0) != m_reprepares) readColumnAffinities();
        return true;
    }
    if (code == SQLITE_DONE) return false;
    const QString reason = sqliteMessage(m_db);
    sqlite3_reset(m_stmt);
    throwStatementFailure(m_db, code, m_sql, reason);
}

void Statement::reset() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int Statement::columnCount() const {
    return sqlite3_column_count(m_stmt);
}

QString Statement::columnText(int column) const {
    const bool textOnly = size_t(column) < m_textColumns.size() && m_textColumns[size_t(column)];
    switch (textOnly ? SQLITE_TEXT : sqlite3_column_type(m_stmt, column)) {
        // Keys of type REAL read as whole numbers when they are whole ("1", not "1.0").
        case SQLITE_FLOAT:
            return QString::number(sqlite3_column_double(m_stmt, column), 'g', 15);
        // Written as SQLite writes them, without its conversion into a text of its own.
        case SQLITE_INTEGER:
            return QString::number(sqlite3_column_int64(m_stmt, column));
        default:
            break;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(m_stmt, column)) : QString();
}

qint64 Statement::columnInteger(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

double Statement::columnDouble(int column) const {
    return sqlite3_column_double(m_stmt, column);
}

bool Statement::columnIsNull(int column) const {
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

bool Statement::columnIsNumber(int column) const {
    const int type = sqlite3_column_type(m_stmt, column);
    return type == SQLITE_INTEGER || type == SQLITE_FLOAT;
}

Database::Database(const QString& dataFolder) : m_path(dataFolder) {}

Database::~Database() {
    try {
        close();
    } catch (const Failure&) {
        // Nothing to report to from here; the connection is released all the same.
    }
}

void Database::setPath(const QString& dataFolder) {
    close();
    m_path = dataFolder;
}

QString Database::fileName() const {
    return QDir(m_path).filePath(QLatin1String(kFileName));
}

void Database::close() {
    m_statements.clear();
    m_columns.clear();
    if (!m_db) return;
    sqlite3* db = std::exchange(m_db, nullptr);
    if (sqlite3_close(db) == SQLITE_OK) return;
    const QString reason = sqliteMessage(db);
    // Released once its last statement is gone, so the folder is not held for good.
    sqlite3_close_v2(db);
    throw Failure(QStringLiteral("Cannot close %1: %2").arg(QDir::toNativeSeparators(fileName()), reason));
}

sqlite3* Database::connection() {
    if (!m_db) connect();
    return m_db;
}

void Database::connect() {
    const QString file = fileName();
    const QFileInfo info(file);
    // A folder that lost its database may still hold its backups.
    if (!info.isFile() && QFileInfo(m_path).isDir())
        throw Failure(QStringLiteral("The data folder %1 holds no database %2; %3, or run \"skerrydesk-cli init\" "
                                     "there to start again")
                          .arg(QDir::toNativeSeparators(m_path), QLatin1String(kFileName), kRestoreHint));
    if (!info.isFile())
        throw Failure(QStringLiteral("The data folder %1 holds no database %2; run \"skerrydesk-cli init\" there "
                                     "or start the program in the folder that holds Data")
                          .arg(QDir::toNativeSeparators(m_path), QLatin1String(kFileName)));
    // Opened, an empty file would silently become a database without tables.
    if (info.size() == 0)
        throw DamagedDatabaseFailure(QStringLiteral("%1 is empty: it holds none of the tables; %2, or delete it and "
                                                    "run \"skerrydesk-cli init\" to start again")
                                         .arg(QDir::toNativeSeparators(file), kRestoreHint));
    // Two programs started together both find the folder free and may refuse each other while
    // taking it: each one left out lets go and tries again after a pause of its own (a busy
    // handler would have both wait for each other), until the folder is free or the wait is over.
    const QDeadlineTimer deadline(kBusyWait);
    while (!takeFolder()) {
        if (deadline.hasExpired())
            throw Failure(QStringLiteral("The data folder %1 is in use by another Skerrydesk program or "
                                         "skerrydesk-cli; close it and try again")
                              .arg(QDir::toNativeSeparators(m_path)));
        QThread::msleep(QRandomGenerator::global()->bounded(kRetryPauseMs / 2, kRetryPauseMs));
    }
}

bool Database::takeFolder() {
    sqlite3* db = nullptr;
    const int code = sqlite3_open_v2(QFile::encodeName(fileName()).constData(), &db,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK) {
        const QString reason = db ? sqliteMessage(db) : QStringLiteral("out of memory");
        sqlite3_close(db);
        throw Failure(
            QStringLiteral("Cannot open the data folder %1: %2").arg(QDir::toNativeSeparators(fileName()), reason));
    }
    m_db = db;
    // SQLite opens a file it may not write read-only without a word; every batch would fail.
    if (sqlite3_db_readonly(db, "main") == 1) {
        try {
            throwStatementFailure(db, SQLITE_READONLY, QString(), QString());
        } catch (const Failure&) {
            close();
            throw;
        }
    }
    try {
        // Exclusive locking taken by a write at once: a second program or CLI on the same
        // folder is refused until this one ends, and it never sees half a batch.
        execute(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"));
        execute(QStringLiteral("PRAGMA journal_mode=WAL"));
        // Every commit synced to the disk: a reported success survives a power cut.
        execute(QStringLiteral("PRAGMA synchronous=FULL"));
        execute(QStringLiteral("BEGIN EXCLUSIVE; COMMIT"));
        addMissingTables();
        return true;
    } catch (const Failure&) {
        const bool heldElsewhere = isBusy(sqlite3_errcode(m_db));
        close();
        if (heldElsewhere) return false;
        throw;
    }
}

Database::WriteMark Database::writeMark() const {
    if (!m_db) return {};
    return {m_db, sqlite3_total_changes64(m_db)};
}

void Database::execute(const QString& sql) {
    char* error = nullptr;
    const int code = sqlite3_exec(connection(), sql.toUtf8().constData(), nullptr, nullptr, &error);
    if (code == SQLITE_OK) return;
    const QString reason = error ? QString::fromUtf8(error) : sqliteMessage(m_db);
    sqlite3_free(error);
    throwStatementFailure(m_db, code, sql, reason);
}

Statement& Database::prepare(const QString& sql) {
    auto found = m_statements.find(sql);
    if (found == m_statements.end())
        found = m_statements.emplace(sql, std::make_unique<Statement>(connection(), sql)).first;
    found->second->reset();
    return *found->second;
}

QStringList Database::columnsOf(const QString& table) {
    auto found = m_columns.find(table);
    if (found != m_columns.end()) return found->second;
    Statement& info = prepare(QStringLiteral("SELECT name FROM pragma_table_info(?1)"));
    info.bind(1, table);
    QStringList columns;
    while (info.step()) columns << info.columnText(0);
    info.reset();
    if (columns.isEmpty())
        throw Failure(QStringLiteral("Table \"%1\" does not exist in the data folder %2")
                          .arg(table, QDir::toNativeSeparators(m_path)));
    m_columns.emplace(table, columns);
    return columns;
}

void Database::create(const QString& dataFolder) {
    const QString file = QDir(dataFolder).filePath(QLatin1String(kFileName));
    if (QFileInfo::exists(file))
        throw Failure(QStringLiteral("%1 already exists; nothing was changed").arg(QDir::toNativeSeparators(file)));
    if (!QDir().mkpath(dataFolder))
        throw Failure(QStringLiteral("Cannot create the data folder %1").arg(QDir::toNativeSeparators(dataFolder)));
    Database db(dataFolder);
    sqlite3* handle = nullptr;
    const int code = sqlite3_open_v2(QFile::encodeName(file).constData(), &handle,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK) {
        const QString reason = handle ? sqliteMessage(handle) : QStringLiteral("out of memory");
        sqlite3_close(handle);
        throw Failure(QStringLiteral("Cannot create %1: %2").arg(QDir::toNativeSeparators(file), reason));
    }
    db.m_db = handle;
    db.execute(QStringLiteral("PRAGMA journal_mode=WAL"));
    Transaction transaction(db);
    for (const QString& statement : createTableStatements() + addedTableStatements()) db.execute(statement);
    transaction.commit();
}

void Database::addMissingTables() {
    for (const QString& statement : addedTableStatements()) execute(statement);
}

Database::Transaction::Transaction(Database& db) : m_db(db) {
    m_db.execute(QStringLiteral("BEGIN IMMEDIATE"));
    m_pending = true;
    m_changesAtBegin = sqlite3_total_changes64(m_db.m_db);
    m_db.m_failedBatchKeptRecords = false;
}

void Database::Transaction::commit() {
    m_pending = false;
    try {
        m_db.execute(QStringLiteral("COMMIT"));
    } catch (const Failure&) {
        rollBackOpenTransaction(m_db.m_db);
        throw;
    }
}

void Database::Transaction::rollBack() {
    m_pending = false;
    rollBackOpenTransaction(m_db.m_db);
}

Database::Transaction::~Transaction() {
    if (!m_pending || !m_db.m_db) return;
    // A failure ended the batch: what was posted before it stays written. That failure is the
    // one reported, so a commit that fails as well only rolls back.
    if (sqlite3_exec(m_db.m_db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        rollBackOpenTransaction(m_db.m_db);
        return;
    }
    m_db.m_failedBatchKeptRecords = sqlite3_total_changes64(m_db.m_db) != m_changesAtBegin;
}

}  // namespace store
