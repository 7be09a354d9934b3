#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The bytes of a whole file, or none when it cannot be read.
inline QByteArray fileBytes(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Set SKERRY_REGENERATE_REFERENCES=1 to have the reference tests write what the program gives
// now into their reference files (expected.txt, the golden pages) instead of comparing.
inline bool regeneratingReferences() {
    return qEnvironmentVariableIsSet("SKERRY_REGENERATE_REFERENCES");
}
