#include "fuzz/fuzz_input.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "base/failure.h"
#include "base/text_file.h"

namespace fuzz {

namespace {

const QTemporaryDir& scratchFolder() {
    keepTemporaryFilesInMemory();
    static const QTemporaryDir folder;
    require(folder.isValid(), "a temporary folder for the input files can be made");
    return folder;
}

}  // namespace

void keepTemporaryFilesInMemory() {
    const QString memory = QStringLiteral("/dev/shm");
    if (qEnvironmentVariableIsEmpty("TMPDIR") && QFileInfo(memory).isDir() && QFileInfo(memory).isWritable())
        qputenv("TMPDIR", memory.toLocal8Bit());
}

QByteArray inputBytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

QString inputFile(const uint8_t* data, size_t size) {
    const QString fileName = QDir(scratchFolder().path()).filePath(QStringLiteral("input"));
    QFile file(fileName);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the input file can be written");
    require(file.write(inputBytes(data, size)) == qint64(size), "the input file takes every byte");
    return fileName;
}

QString secondFile() {
    return QDir(scratchFolder().path()).filePath(QStringLiteral("written"));
}

TextLines inputLines(const uint8_t* data, size_t size) {
    return readTextLines(inputFile(data, size));
}

void require(bool condition, const char* promise) {
    if (condition) return;
    std::fprintf(stderr, "Broken promise: %s\n", promise);
    std::abort();
}

int runReader(const std::function<void()>& reader) {
    try {
        reader();
    } catch (const Failure& failure) {
        require(!failure.message().trimmed().isEmpty(), "a refusal says what failed");
    }
    return 0;
}

}  // namespace fuzz
