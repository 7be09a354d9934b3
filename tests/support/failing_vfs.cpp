#include "support/failing_vfs.h"

#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace {

struct Disk {
    sqlite3_vfs* real = nullptr;
    sqlite3_vfs vfs{};
    bool failing = false;
    qint64 room = 0;
    qint64 written = 0;
    bool writeProtected = false;
};

Disk& disk() {
    static Disk theDisk;
    return theDisk;
}

// Our file in front of the real one, which SQLite allocates right behind it.
struct WrappedFile {
    sqlite3_file base;
    sqlite3_file* real;
    int mappedRegions;  // of the log's index, grown through this file
};

sqlite3_file* realFile(sqlite3_file* file) {
    return reinterpret_cast<WrappedFile*>(file)->real;
}

template <auto Method, typename Result, typename... Args>
Result forward(sqlite3_file* file, Args... args) {
    sqlite3_file* real = realFile(file);
    return (real->pMethods->*Method)(real, args...);
}

int writeFile(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset) {
    Disk& d = disk();
    const qint64 fits = d.failing ? std::min<qint64>(amount, d.room) : amount;
    if (d.failing) d.room -= fits;
    d.written += fits;
    sqlite3_file* real = realFile(file);
    // Like a disk that fills up in the middle of a write: the part that fits lands.
    if (fits > 0) {
        const int code = real->pMethods->xWrite(real, data, int(fits), offset);
        if (code != SQLITE_OK) return code;
    }
    if (fits == amount) return SQLITE_OK;
    errno = ENOSPC;
    return SQLITE_FULL;
}

// The index of a write-ahead log grows a region at a time in a file of its own, written by the
// system's mapping rather than by xWrite: on a full disk the file is made, but growing it fails
// with an I/O error and the system's ENOSPC, as SQLite's own file system reports it.
int mapSharedMemory(sqlite3_file* file, int region, int regionSize, int extend, void volatile** memory) {
    Disk& d = disk();
    sqlite3_file* real = realFile(file);
    auto* wrapped = reinterpret_cast<WrappedFile*>(file);
    const bool grows = extend && region >= wrapped->mappedRegions;
    if (grows && d.failing && d.room < regionSize) {
        real->pMethods->xShmMap(real, region, regionSize, 0, memory);
        *memory = nullptr;
        errno = ENOSPC;
        return SQLITE_IOERR_SHMSIZE;
    }
    const int code = real->pMethods->xShmMap(real, region, regionSize, extend, memory);
    if (code == SQLITE_OK && grows) {
        if (d.failing) d.room -= regionSize;
        d.written += regionSize;
        wrapped->mappedRegions = region + 1;
    }
    return code;
}

const sqlite3_io_methods kMethods = {
    3,
    forward<&sqlite3_io_methods::xClose>,
    forward<&sqlite3_io_methods::xRead>,
    writeFile,
    forward<&sqlite3_io_methods::xTruncate>,
    forward<&sqlite3_io_methods::xSync>,
    forward<&sqlite3_io_methods::xFileSize>,
    forward<&sqlite3_io_methods::xLock>,
    forward<&sqlite3_io_methods::xUnlock>,
    forward<&sqlite3_io_methods::xCheckReservedLock>,
    forward<&sqlite3_io_methods::xFileControl>,
    forward<&sqlite3_io_methods::xSectorSize>,
    forward<&sqlite3_io_methods::xDeviceCharacteristics>,
    mapSharedMemory,
    forward<&sqlite3_io_methods::xShmLock>,
    forward<&sqlite3_io_methods::xShmBarrier>,
    forward<&sqlite3_io_methods::xShmUnmap>,
    forward<&sqlite3_io_methods::xFetch>,
    forward<&sqlite3_io_methods::xUnfetch>,
};

int openFile(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags) {
    Disk& d = disk();
    auto* wrapped = reinterpret_cast<WrappedFile*>(file);
    wrapped->real = reinterpret_cast<sqlite3_file*>(wrapped + 1);
    wrapped->mappedRegions = 0;
    if (d.writeProtected && (flags & SQLITE_OPEN_MAIN_DB))
        flags = (flags & ~(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) | SQLITE_OPEN_READONLY;
    const int code = d.real->xOpen(d.real, name, wrapped->real, flags, outFlags);
    // SQLite closes a file whose methods are set, even after a failed open.
    file->pMethods = wrapped->real->pMethods ? &kMethods : nullptr;
    return code;
}

}  // namespace

FailingDisk::FailingDisk() {
    Disk& d = disk();
    d.real = sqlite3_vfs_find(nullptr);
    d.vfs = *d.real;
    d.vfs.zName = "failing-disk";
    d.vfs.szOsFile = int(sizeof(WrappedFile)) + d.real->szOsFile;
    d.vfs.xOpen = openFile;
    d.vfs.pNext = nullptr;
    sqlite3_vfs_register(&d.vfs, 1);
    takeWrittenBytes();
}

FailingDisk::~FailingDisk() {
    heal();
    setWriteProtected(false);
    sqlite3_vfs_unregister(&disk().vfs);
    sqlite3_vfs_register(disk().real, 1);
}

void FailingDisk::failAfter(qint64 bytes) {
    disk().failing = true;
    disk().room = bytes;
}

void FailingDisk::heal() {
    disk().failing = false;
}

qint64 FailingDisk::takeWrittenBytes() {
    return std::exchange(disk().written, 0);
}

void FailingDisk::setWriteProtected(bool writeProtected) {
    disk().writeProtected = writeProtected;
}
