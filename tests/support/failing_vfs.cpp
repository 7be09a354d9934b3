#include "support/failing_vfs.h"

#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "support/wrapped_vfs.h"

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

struct DiskFile {
    WrappedFile wrapped;
    int mappedRegions;  // of the log's index, grown through this file
};

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
    auto* own = reinterpret_cast<DiskFile*>(file);
    const bool grows = extend && region >= own->mappedRegions;
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
        own->mappedRegions = region + 1;
    }
    return code;
}

const sqlite3_io_methods kMethods = [] {
    sqlite3_io_methods methods = passThroughMethods();
    methods.xWrite = writeFile;
    methods.xShmMap = mapSharedMemory;
    return methods;
}();

int openFile(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags) {
    Disk& d = disk();
    reinterpret_cast<DiskFile*>(file)->mappedRegions = 0;
    if (d.writeProtected && (flags & SQLITE_OPEN_MAIN_DB))
        flags = (flags & ~(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) | SQLITE_OPEN_READONLY;
    return openRealFile<DiskFile>(d.real, name, file, flags, outFlags, &kMethods);
}

}  // namespace

FailingDisk::FailingDisk() {
    Disk& d = disk();
    d.real = putInFrontOfDefault<DiskFile>(d.vfs, "failing-disk", openFile);
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
