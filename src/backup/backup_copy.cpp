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
#include "register/store/database.h"

namespace backup {

namespace {

Failure writeFailure(const QString& folder, const QString& reason) {
    return Failure(QStringLiteral("Cannot write a backup into the folder %1: %2; free some space or allow writing "
                                  "to the folder and try again. Nothing was changed")
                       .arg(QDir::toNativeSeparators(folder), reason));
}

QString systemReason() {
    if (store::isNoRoomError(errno)) return QStringLiteral("the disk is full");
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

// A copy being written under a temporary name: removed unless it was renamed to its name.
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
    bool write(const char* data, qint64 size, qint64 offset) {
        return ::pwrite(m_descriptor, data, size_t(size), off_t(offset)) == ssize_t(size);
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

// Bytes 18 and 19 of a database file: the versions that say whether it keeps a write-ahead log
// (2) or stands alone (1).
constexpr qint64 kFormatVersionOffset = 18;
constexpr char kStandaloneVersions[] = {1, 1};

void writeCopy(sqlite3* source, PartialFile& partial, const QString& partialName, const QString& folder) {
    {
        const SqliteFile copy(partialName, SqliteFile::Mode::ReadWrite);
        // The copy is synced once, whole, before it gets its name: its own writes need neither a
        // journal nor syncs of their own.
        copy.execute(QStringLiteral("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF"));
        const int code = copyPages(source, copy.handle());
        if (code != SQLITE_OK) throw writeFailure(folder, sqliteReason(copy.handle(), code));
    }
    // The pages say WAL as the data folder's do. Read again, they would have SQLite open a log
    // and its index beside the copy (which a full disk leaves behind); the copy was closed
    // before, and its header now says it stands alone, as leaving WAL mode would write it.
    if (!partial.write(kStandaloneVersions, sizeof kStandaloneVersions, kFormatVersionOffset))
        throw writeFailure(folder, systemReason());
}

// The temporary name of a copy beside its final one.
QString partialNameOf(const QString& fileName) {
    return fileName + QStringLiteral(".part");
}

void createFolder(const QString& folder) {
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), error);
    if (error) throw writeFailure(folder, QString::fromLocal8Bit(error.message().c_str()));
}

}  // namespace

void copyToFile(sqlite3* source, const QString& fileName) {
    const QString folder = QFileInfo(fileName).absolutePath();
    createFolder(folder);
    const QString partialName = partialNameOf(fileName);
    PartialFile partial(partialName);
    if (!partial.create()) throw writeFailure(folder, systemReason());
    writeCopy(source, partial, partialName, folder);
    if (!partial.sync() || !partial.renameTo(fileName) || !syncFolder(folder))
        throw writeFailure(folder, systemReason());
}

void copyIntoDatabase(const QString& fileName, sqlite3* target) {
    const SqliteFile backup(fileName, SqliteFile::Mode::ReadOnly);
    const int code = copyPages(backup.handle(), target);
    if (code != SQLITE_OK)
        throw Failure(QStringLiteral("Cannot restore %1: %2; the tables are as they were")
                          .arg(QDir::toNativeSeparators(fileName), sqliteReason(target, code)));
}

void placeCopyOfFile(const QString& source, const QString& target, const std::function<void()>& beforeRename) {
    const QString folder = QFileInfo(target).absolutePath();
    const auto failure = [&](const QString& reason) {
        return Failure(QStringLiteral("Cannot put %1 in place of %2: %3; nothing was changed")
                           .arg(QDir::toNativeSeparators(source), QDir::toNativeSeparators(target), reason));
    };
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) throw failure(in.errorString());
    PartialFile partial(partialNameOf(target));
    if (!partial.create()) throw failure(systemReason());
    constexpr qint64 kPiece = 1024 * 1024;
    for (qint64 offset = 0; !in.atEnd(); offset += kPiece) {
        const QByteArray piece = in.read(kPiece);
        if (!partial.write(piece.constData(), piece.size(), offset)) throw failure(systemReason());
    }
    if (in.error() != QFile::NoError) throw failure(in.errorString());
    if (!partial.sync()) throw failure(systemReason());
    beforeRename();
    if (!partial.renameTo(target) || !syncFolder(folder)) throw failure(systemReason());
}

}  // namespace backup
