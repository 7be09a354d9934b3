#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

namespace backup {

// One backup file of the folder Data/Backups, as its name tells it: "2026-12-09T14-07-09
// import-member.db" for the member import begun at that second. A second backup in the same
// second gets a number after the time ("2026-12-09T14-07-09.2 import-member.db").
struct BackupName {
    QDateTime time;
    int sequence = 1;
    QString command;

    // The file name without ".db": what `skerrydesk-cli backups` lists and `restore` takes.
    QString id() const;
    QString fileName() const;
    // Newest first: later time, then higher number.
    bool newerThan(const BackupName& other) const;
};

// The name of a backup file, or nothing for any other file (a half-written one among them).
std::optional<BackupName> parseBackupFileName(const QString& fileName);

// A command as it may stand in a file name: lower case letters, digits and hyphens.
QString commandInFileName(const QString& command);

}  // namespace backup
