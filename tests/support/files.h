#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <random>

// The bytes of a whole file, or none when it cannot be read.
inline QByteArray fileBytes(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
