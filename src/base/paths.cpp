#include "base/paths.h"

#include <QCoreApplication>
#include <QDir>

Paths Paths::current() {
    return Paths{QDir::currentPath(), QCoreApplication::applicationDirPath()};
}

QString Paths::dataFolder() const {
    return QDir(workingFolder).filePath(QStringLiteral("Data"));
}

QString Paths::inWorkingFolder(const QString& name) const {
    return QDir(workingFolder).filePath(name);
}

QString Paths::besideProgram(const QString& name) const {
    return QDir(programFolder).filePath(name);
}
