#include "base/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

Paths Paths::current() {
    return Paths{QDir::currentPath(), QCoreApplication::applicationDirPath(),
                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)};
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

QString Paths::installedData(const QString& name) const {
    return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral("../share/skerrydesk/") + name));
}

QString Paths::firstExisting(const QStringList& places) {
    for (const QString& place : places)
        if (QFileInfo::exists(place)) return place;
    return places.value(0);
}

QString Paths::programFile(const QString& name) const {
    return firstExisting({inWorkingFolder(name), besideProgram(name), installedData(name)});
}

QString Paths::writableBesideProgram(const QString& name) const {
    const QFileInfo beside(besideProgram(name));
    const bool writable = beside.exists() ? beside.isWritable() : QFileInfo(programFolder).isWritable();
    if (writable || userDataFolder.isEmpty()) return beside.filePath();
    QDir().mkpath(userDataFolder);
    return QDir(userDataFolder).filePath(name);
}
