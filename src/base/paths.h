#pragma once

#include <QString>

// Where the program finds its files: the data folder below the working folder, and the
// pictures, help and URL history beside the program file. An installed program (in
// PREFIX/bin) finds its help file and placeholder picture in PREFIX/share/skerrydesk, and keeps
// what it writes in the user's data folder when the folder beside it cannot be written.
struct Paths {
    QString workingFolder;
    QString programFolder;
    // The user's own data folder (~/.local/share/Skerrydesk); empty where none is known.
    QString userDataFolder = {};

    // The folders of the running process.
    static Paths current();

    QString dataFolder() const;
    QString inWorkingFolder(const QString& name) const;
    QString besideProgram(const QString& name) const;
    // The installed files' folder, ../share/skerrydesk from the program's folder.
    QString installedData(const QString& name) const;
    // The first of the places that holds the file; the first place when none does.
    static QString firstExisting(const QStringList& places);
    // A file the program reads, such as its help file: the working folder's copy, else the one
    // beside the program, else the installed one; the working folder's when there is none.
    QString programFile(const QString& name) const;
    // A file or folder the program writes: beside the program when that can be written there
    // (the file itself, or the program's folder while the file is not there yet), else in the
    // user's data folder, which is made when missing.
    QString writableBesideProgram(const QString& name) const;
};
