#pragma once

#include <QFileInfo>
#include <QString>

// Files that real loggers, LoTW and the award programme wrote are kept beside the project, never
// in it; a clone elsewhere has none, and the tests that read them skip.
inline QString realFile(const QString& relativePath) {
    const QString path = QStringLiteral(SKERRY_REAL_FILES "/") + relativePath;
    return QFileInfo(path).isFile() ? path : QString();
}

// Use at the start of a test: skips it, saying why, when the real file is absent.
#define SKIP_WITHOUT_REAL_FILE(path, relativePath)                                             \
    const QString path = realFile(QStringLiteral(relativePath));                               \
    if (path.isEmpty())                                                                        \
    GTEST_SKIP() << "the real file " relativePath " is absent (it lives in " SKERRY_REAL_FILES \
                    "); this test reads it only where that folder is"
