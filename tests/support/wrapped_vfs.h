#pragma once

#include <sqlite3.h>

// What the test file systems share: a SQLite file system in front of the default one, whose files
// wrap the real ones. A test disk keeps its own fields in a file type that begins with
// WrappedFile, replaces a few methods and passes the rest through.
struct WrappedFile {
    sqlite3_file base;
    sqlite3_file* real;  // allocated by SQLite right behind the test disk's own file type
};

inline sqlite3_file* realFile(sqlite3_file* file) {
    return reinterpret_cast<WrappedFile*>(file)->real;
}

template <auto Method, typename Result, typename... Args>
Result forwardToRealFile(sqlite3_file* file, Args... args) {
    sqlite3_file* real = realFile(file);
    return (real->pMethods->*Method)(real, args...);
}

// The methods of a file that pass every call through to the real one, for a test disk to replace
// some of.
constexpr sqlite3_io_methods passThroughMethods() {
    return {
        3,
        forwardToRealFile<&sqlite3_io_methods::xClose>,
        forwardToRealFile<&sqlite3_io_methods::xRead>,
        forwardToRealFile<&sqlite3_io_methods::xWrite>,
        forwardToRealFile<&sqlite3_io_methods::xTruncate>,
        forwardToRealFile<&sqlite3_io_methods::xSync>,
        forwardToRealFile<&sqlite3_io_methods::xFileSize>,
        forwardToRealFile<&sqlite3_io_methods::xLock>,
        forwardToRealFile<&sqlite3_io_methods::xUnlock>,
        forwardToRealFile<&sqlite3_io_methods::xCheckReservedLock>,
        forwardToRealFile<&sqlite3_io_methods::xFileControl>,
        forwardToRealFile<&sqlite3_io_methods::xSectorSize>,
        forwardToRealFile<&sqlite3_io_methods::xDeviceCharacteristics>,
        forwardToRealFile<&sqlite3_io_methods::xShmMap>,
        forwardToRealFile<&sqlite3_io_methods::xShmLock>,
        forwardToRealFile<&sqlite3_io_methods::xShmBarrier>,
        forwardToRealFile<&sqlite3_io_methods::xShmUnmap>,
        forwardToRealFile<&sqlite3_io_methods::xFetch>,
        forwardToRealFile<&sqlite3_io_methods::xUnfetch>,
    };
}

// Opens the real file behind a test disk's file of type `File` and gives it the disk's methods.
template <typename File>
int openRealFile(sqlite3_vfs* real, const char* name, sqlite3_file* file, int flags, int* outFlags,
                 const sqlite3_io_methods* methods) {
    auto* wrapped = reinterpret_cast<WrappedFile*>(file);
    wrapped->real = reinterpret_cast<sqlite3_file*>(reinterpret_cast<File*>(file) + 1);
    const int code = real->xOpen(real, name, wrapped->real, flags, outFlags);
    // SQLite closes a file whose methods are set, even after a failed open.
    file->pMethods = wrapped->real->pMethods ? methods : nullptr;
    return code;
}

// Puts `vfs` named `name` in front of the default file system, opening its files of type `File`
// with `open`; gives the default one.
template <typename File>
sqlite3_vfs* putInFrontOfDefault(sqlite3_vfs& vfs, const char* name,
                                 int (*open)(sqlite3_vfs*, const char*, sqlite3_file*, int, int*)) {
    sqlite3_vfs* real = sqlite3_vfs_find(nullptr);
    vfs = *real;
    vfs.zName = name;
    vfs.szOsFile = int(sizeof(File)) + real->szOsFile;
    vfs.xOpen = open;
    vfs.pNext = nullptr;
    sqlite3_vfs_register(&vfs, 1);
    return real;
}
