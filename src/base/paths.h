#pragma once

#include <QString>

// Where the program finds its files: the data folder below the working folder, and the
// pictures, help and URL history beside the program file.
struct Paths {
    QString workingFolder;
    QString programFolder;

    // The folders of the running process.
    static Paths current();

    QString dataFolder() const;
    QString inWorkingFolder(const QString& name) const;
    QString besideProgram(const QString& name) const;
};
