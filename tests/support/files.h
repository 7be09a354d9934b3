#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <random>

// The bytes of a whole file, or none when it cannot be read.
inline QByteArray fileBytes(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the bytes as the whole file, as they are (a text's line ends are the caller's), and gives
// its name. A file that cannot be written fails the test.
inline QString writeFile(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << fileName.toStdString();
    return fileName;
}

// Bytes drawn from `lowest` to 255, the same for the same seed: junk to feed a reader.
inline QByteArray randomBytes(unsigned seed, int size, int lowest) {
    std::mt19937 random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes) byte = char(lowest + int(random() % unsigned(256 - lowest)));
    return bytes;
}

// Set SKERRY_REGENERATE_REFERENCES=1 to have the reference tests write what the program gives
// now into their reference files (expected.txt, the golden pages) instead of comparing.
inline bool regeneratingReferences() {
    return qEnvironmentVariableIsSet("SKERRY_REGENERATE_REFERENCES");
}
