#include "register/store/database.h"

#include <sqlite3.h>

#include <QDir>
#include <QFileInfo>

#include "app/failure.h"
#include "register/store/schema.h"

namespace store {

namespace {

QString sqliteMessage(sqlite3* db) {
    return QString::fromUtf8(sqlite3_errmsg(db));
}

bool isBusy(int code) {
    return (code & 0xff) == SQLITE_BUSY || (code & 0xff) == SQLITE_LOCKED;
}

}  // namespace

Statement::Statement(sqlite3* db, const QString& sql) : m_db(db), m_sql(sql) {
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr) != SQLITE_OK)
        throw Failure(QStringLiteral("The data folder cannot run \"%1\": %2").arg(sql, sqliteMessage(db)));
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
    if (code == SQLITE_ROW) return true;
    if (code == SQLITE_DONE) return false;
    const QString reason = sqliteMessage(m_db);
    sqlite3_reset(m_stmt);
    if (isBusy(code))
        throw Failure(
            QStringLiteral("The data folder is in use by another program; close it and try again (%1)").arg(reason));
    throw Failure(QStringLiteral("The data folder could not carry out \"%1\": %2").arg(m_sql, reason));
}

void Statement::reset() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int Statement::columnCount() const {
    return sqlite3_column_count(m_stmt);
}

QString Statement::columnText(int column) const {
    // Keys of type REAL read as whole numbers when they are whole ("1", not "1.0").
    if (sqlite3_column_type(m_stmt, column) == SQLITE_FLOAT)
        return QString::number(sqlite3_column_double(m_stmt, column), 'g', 15);
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(m_stmt, column)) : QString();
}

qint64 Statement::columnInteger(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

Database::Database(const QString& dataFolder) : m_path(dataFolder) {}

Database::~Database() {
    close();
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
    if (m_db) sqlite3_close(m_db);
    m_db = nullptr;
}

sqlite3* Database::connection() {
    if (!m_db) connect();
    return m_db;
}

void Database::connect() {
    const QString file = fileName();
    if (!QFileInfo(file).isFile())
        throw Failure(QStringLiteral("The data folder %1 holds no database %2; run \"skerrydesk-cli init\" there "
                                     "or start the program in the folder that holds Data")
                          .arg(QDir::toNativeSeparators(m_path), QLatin1String(kFileName)));
    sqlite3* db = nullptr;
    const int code =
        sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK) {
        const QString reason = db ? sqliteMessage(db) : QStringLiteral("out of memory");
        sqlite3_close(db);
        throw Failure(QStringLiteral("Cannot open the data folder %1: %2").arg(QDir::toNativeSeparators(file), reason));
    }
    m_db = db;
    try {
        // Exclusive locking taken by a write at once: a second program or CLI on the same
        // folder is refused until this one ends, and it never sees half a batch.
        execute(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"));
        execute(QStringLiteral("PRAGMA journal_mode=WAL"));
        execute(QStringLiteral("PRAGMA synchronous=NORMAL"));
        execute(QStringLiteral("BEGIN EXCLUSIVE; COMMIT"));
    } catch (const Failure& failure) {
        close();
        if (failure.message().contains(QLatin1String("in use")))
            throw Failure(QStringLiteral("The data folder %1 is in use by another Skerrydesk program or "
                                         "skerrydesk-cli; close it and try again")
                              .arg(QDir::toNativeSeparators(m_path)));
        throw;
    }
}

void Database::execute(const QString& sql) {
    char* error = nullptr;
    const int code = sqlite3_exec(connection(), sql.toUtf8().constData(), nullptr, nullptr, &error);
    if (code == SQLITE_OK) return;
    const QString reason = error ? QString::fromUtf8(error) : sqliteMessage(m_db);
    sqlite3_free(error);
    if (isBusy(code))
        throw Failure(QStringLiteral("The data folder %1 is in use by another program (%2)")
                          .arg(QDir::toNativeSeparators(m_path), reason));
    if ((code & 0xff) == SQLITE_READONLY)
        throw Failure(
            QStringLiteral("The data folder %1 is write-protected: %2").arg(QDir::toNativeSeparators(m_path), reason));
    throw Failure(QStringLiteral("The data folder %1 could not carry out \"%2\": %3")
                      .arg(QDir::toNativeSeparators(m_path), sql, reason));
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
    for (const QString& statement : createTableStatements()) db.execute(statement);
}

Database::Transaction::Transaction(Database& db) : m_db(db) {
    m_db.execute(QStringLiteral("BEGIN IMMEDIATE"));
    m_began = true;
}

Database::Transaction::~Transaction() {
    if (!m_began || !m_db.m_db) return;
    // Committed also when a failure ends the batch: what was posted before it stays written.
    sqlite3_exec(m_db.m_db, "COMMIT", nullptr, nullptr, nullptr);
}

}  // namespace store
