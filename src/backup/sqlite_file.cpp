#include "backup/sqlite_file.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>

#include "base/failure.h"
#include "register/store/database.h"

namespace backup {

namespace {

Failure queryFailure(sqlite3* db, const QString& sql) {
    const char* fileName = sqlite3_db_filename(db, "main");
    const QString name = fileName && *fileName ? QString::fromUtf8(fileName) : QStringLiteral(":memory:");
    return Failure(QStringLiteral("%1 could not carry out \"%2\": %3")
                       .arg(QDir::toNativeSeparators(name), sql, QString::fromUtf8(sqlite3_errmsg(db))));
}

}  // namespace

SqliteFile::SqliteFile(const QString& fileName, Mode mode) {
    const int flags = (mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    const int code = sqlite3_open_v2(QFile::encodeName(fileName).constData(), &m_db, flags, nullptr);
    if (code == SQLITE_OK) return;
    const QString reason = mode == Mode::ReadOnly ? QString::fromUtf8(sqlite3_errstr(code)) : sqliteReason(m_db, code);
    sqlite3_close(m_db);
    m_db = nullptr;
    throw Failure(QStringLiteral("Cannot open %1: %2").arg(QDir::toNativeSeparators(fileName), reason));
}

SqliteFile::SqliteFile() {
    sqlite3_open(":memory:", &m_db);
}

SqliteFile::~SqliteFile() {
    sqlite3_close_v2(m_db);
}

QStringList queryColumn(sqlite3* db, const QString& sql, const QString& parameter) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
        throw queryFailure(db, sql);
    const QByteArray bound = parameter.toUtf8();
    if (!parameter.isNull()) sqlite3_bind_text(statement, 1, bound.constData(), int(bound.size()), SQLITE_STATIC);
    QStringList values;
    int code = SQLITE_ROW;
    while ((code = sqlite3_step(statement)) == SQLITE_ROW)
        values << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
    if (code != SQLITE_DONE) throw queryFailure(db, sql);
    return values;
}

void SqliteFile::execute(const QString& sql) const {
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        throw queryFailure(m_db, sql);
}

QString sqliteReason(sqlite3* db, int code) {
    if (store::ranOutOfRoom(db, code)) return QStringLiteral("the disk is full");
    switch (code & 0xff) {
        case SQLITE_READONLY:
        case SQLITE_PERM:
        case SQLITE_CANTOPEN:
            return QStringLiteral("it may not be written (write-protected)");
        default:
            return QString::fromUtf8(sqlite3_errstr(code));
    }
}

}  // namespace backup
