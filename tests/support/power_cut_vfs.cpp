// A power cut for a program that keeps its data in SQLite, loaded into it with LD_PRELOAD, as
// SQLite's own crash tests cut the power under a process of their own.
//
// A file system in front of the default one keeps, for every file written since its last sync,
// the content it had at that sync. At the operation SKERRY_POWER_CUT_AT names (writes,
// truncations and syncs of every file, counted from 1) it puts each such file back as the disk
// holds it after a power cut, every write not yet synced dropped, and ends the process at once
// with the exit code 86, before that operation lands. A number beyond the process's last
// operation cuts the power right after it has ended, what it printed already out. The file
// SKERRY_POWER_CUT_COUNT names gets the number of operations of a process that ran to its end, so
// that a test can pick its moments. Files the program writes by other means than SQLite count as
// synced as soon as written.
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "support/wrapped_vfs.h"

namespace {

constexpr int kCutExitCode = 86;

// A file's content as of its last sync, and which file it was: one renamed over it since is
// another file.
struct SyncedContent {
    dev_t device;
    ino_t inode;
    std::string bytes;
};

struct PowerCut {
    sqlite3_vfs* real = nullptr;
    sqlite3_vfs vfs{};
    long long operations = 0;
    long long cutAt = 0;
    const char* countFile = nullptr;
    std::map<std::string, SyncedContent> unsynced;
};

PowerCut& power() {
    static PowerCut* const theCut = new PowerCut;
    return *theCut;
}

struct CutFile {
    WrappedFile wrapped;
    const char* name;  // valid until the file is closed; none for a temporary file
};

void putBack(const std::string& name, const SyncedContent& content) {
    struct stat now {};
    if (::stat(name.c_str(), &now) != 0 || now.st_dev != content.device || now.st_ino != content.inode) return;
    const int descriptor = ::open(name.c_str(), O_WRONLY | O_CLOEXEC);
    if (descriptor < 0) return;
    if (::ftruncate(descriptor, off_t(content.bytes.size())) == 0)
        (void)!::pwrite(descriptor, content.bytes.data(), content.bytes.size(), 0);
    ::close(descriptor);
}

void dropUnsyncedWrites() {
    for (const auto& [name, content] : power().unsynced) putBack(name, content);
}

[[noreturn]] void cutThePower() {
    dropUnsyncedWrites();
    ::_exit(kCutExitCode);
}

void countOperation() {
    if (++power().operations == power().cutAt) cutThePower();
}

// The content a file had at its last sync, kept before its first change since.
void keepSyncedContent(CutFile* file) {
    if (!file->name || power().unsynced.count(file->name)) return;
    sqlite3_file* real = file->wrapped.real;
    sqlite3_int64 size = 0;
    real->pMethods->xFileSize(real, &size);
    std::string bytes(size_t(size), '\0');
    if (size > 0) real->pMethods->xRead(real, bytes.data(), int(size), 0);
    struct stat identity {};
    ::stat(file->name, &identity);
    power().unsynced[file->name] = {identity.st_dev, identity.st_ino, std::move(bytes)};
}

int writeFile(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset) {
    countOperation();
    keepSyncedContent(reinterpret_cast<CutFile*>(file));
    return realFile(file)->pMethods->xWrite(realFile(file), data, amount, offset);
}

int truncateFile(sqlite3_file* file, sqlite3_int64 size) {
    countOperation();
    keepSyncedContent(reinterpret_cast<CutFile*>(file));
    return realFile(file)->pMethods->xTruncate(realFile(file), size);
}

int syncFile(sqlite3_file* file, int flags) {
    countOperation();
    const int code = realFile(file)->pMethods->xSync(realFile(file), flags);
    const char* name = reinterpret_cast<CutFile*>(file)->name;
    if (code == SQLITE_OK && name) power().unsynced.erase(name);
    return code;
}

const sqlite3_io_methods kMethods = [] {
    sqlite3_io_methods methods = passThroughMethods();
    methods.xWrite = writeFile;
    methods.xTruncate = truncateFile;
    methods.xSync = syncFile;
    return methods;
}();

int openFile(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags) {
    reinterpret_cast<CutFile*>(file)->name = name;
    return openRealFile<CutFile>(power().real, name, file, flags, outFlags, &kMethods);
}

// The process ends: the power goes right after when the cut was meant for later, and the count
// of operations is left for the test.
void atTheEnd() {
    if (power().cutAt > power().operations) dropUnsyncedWrites();
    if (!power().countFile) return;
    if (FILE* out = std::fopen(power().countFile, "w")) {
        std::fprintf(out, "%lld\n", power().operations);
        std::fclose(out);
    }
}

__attribute__((constructor)) void installPowerCut() {
    PowerCut& cut = power();
    const char* cutAt = std::getenv("SKERRY_POWER_CUT_AT");
    cut.cutAt = cutAt ? std::atoll(cutAt) : 0;
    cut.countFile = std::getenv("SKERRY_POWER_CUT_COUNT");
    cut.real = putInFrontOfDefault<CutFile>(cut.vfs, "power-cut", openFile);
    std::atexit(atTheEnd);
}

}  // namespace
