#pragma once

#include <QtGlobal>

// A disk that fills up, for the connections of this process: a SQLite file system put in front
// of the default one while the object lives. It passes everything through until it is told to
// fail; then it writes only so many more bytes and answers every write beyond them as SQLite's
// own file system answers a full disk: SQLITE_FULL for a file's write, an I/O error for growing a
// log's index, each with the system's ENOSPC. It can also open the database file
// write-protected, as SQLite does when the file or its mount may not be written.
class FailingDisk {
public:
    FailingDisk();
    ~FailingDisk();
    FailingDisk(const FailingDisk&) = delete;
    FailingDisk& operator=(const FailingDisk&) = delete;

    // From now on the disk holds `bytes` more bytes, then it is full.
    void failAfter(qint64 bytes);
    // Room again.
    void heal();
    // The bytes written through the disk since it was made or last asked.
    qint64 takeWrittenBytes();
    // Database files opened from now on may not be written.
    void setWriteProtected(bool writeProtected);
};
