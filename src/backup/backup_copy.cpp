#include "backup/backup_copy.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "backup/sqlite_file.h"
#include "base/failure.h"

namespace backup {

namespace {

Failure writeFailure(const QString& folder, const QString& reason) {
    return Failure(QStringLiteral("Cannot write a backup into the folder %1: %2; free some space or allow writing "
                                  "to the folder and try again. Nothing was changed")
                       .arg(QDir::toNativeSeparators(folder), reason));
}

QString systemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Runs the online backup from one connection to another in a single step: the copy is the
// source as of one moment, and the target changes in one transaction.
int copyPages(sqlite3* source, sqlite3* target) {
    sqlite3_backup* copy = sqlite3_backup_init(target, "main", source, "main");
    if (!copy) return sqlite3_errcode(target);
    const int stepped = sqlite3_backup_step(copy, -1);
    const int finished = sqlite3_backup_finish(copy);
    return stepped == SQLITE_DONE ? finished : stepped;
}

// The copy being written: its temporary file is removed unless it was renamed to its name.
class PartialFile {
public:
    explicit PartialFile(const QString& fileName) : m_name(QFile::encodeName(fileName)) {}
    ~PartialFile() {
        if (m_descriptor >= 0) ::close(m_descriptor);
        if (!m_renamed) ::unlink(m_name.constData());
    }
    PartialFile(const PartialFile&) = delete;
    PartialFile& operator=(const PartialFile&) = delete;

    bool create() {
        m_descriptor = ::open(m_name.constData(), O_CREAT | O_TRUNC | O_WRONLY | O_CLOEXEC, 0644);
        return m_descriptor >= 0;
    }
    bool sync() { return ::fsync(m_descriptor) == 0; }
    bool renameTo(const QString& fileName) {
        m_renamed = ::rename(m_name.constData(), QFile::encodeName(fileName).constData()) == 0;
        return m_renamed;
    }

private:
    QByteArray m_name;
    int m_descriptor = -1;
    bool m_renamed = false;
};

// The rename itself is on the disk only once the folder is synced.
bool syncFolder(const QString& folder) {
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return false;
    const bool synced = ::fsync(descriptor) == 0;
    ::close(descriptor);
    return synced;
}

void writeCopy(sqlite3* source, const QString& partialName, const QString& folder) {
    const SqliteFile copy(partialName, SqliteFile::Mode::ReadWrite);
    // The copy is synced once, whole, before it gets its name: its own writes need neither a
    // journal nor syncs of their own.
    copy.execute(QStringLiteral("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF"));
    const int code = copyPages(source, copy.handle());
    if (code != SQLITE_OK) throw writeFailure(folder, sqliteReason(code));
    // The pages say WAL as the data folder's do; the copy stands alone, without a journal beside it.
    if (sqlite3_exec(copy.handle(), "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr) != SQLITE_OK)
        throw writeFailure(folder, sqliteReason(sqlite3_errcode(copy.handle())));
}

}  // namespace

void copyToFile(sqlite3* source, const QString& fileName) {
    const QString folder = QFileInfo(fileName).absolutePath();
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), error);
    if (error) throw writeFailure(folder, QString::fromLocal8Bit(error.message().c_str()));
    const QString partialName = fileName + QStringLiteral(".part");
    PartialFile partial(partialName);
    if (!partial.create()) throw writeFailure(folder, systemReason());
    writeCopy(source, partialName, folder);
    if (!partial.sync() || !partial.renameTo(fileName) || !syncFolder(folder))
        throw writeFailure(folder, systemReason());
}

void copyIntoDatabase(const QString& fileName, sqlite3* target) {
    const SqliteFile backup(fileName, SqliteFile::Mode::ReadOnly);
    const int code = copyPages(backup.handle(), target);
    if (code != SQLITE_OK)
        throw Failure(QStringLiteral("Cannot restore %1: %2; the tables are as they were")
                          .arg(QDir::toNativeSeparators(fileName), sqliteReason(code)));
}

}  // namespace backup
