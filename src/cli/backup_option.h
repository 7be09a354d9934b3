#pragma once

#include <QStringList>

namespace store {
class Database;
}

// The backup before a batch subcommand, and "--no-backup" that skips it.
class BackupOption {
public:
    // Takes "--no-backup" out of the subcommand's arguments.
    explicit BackupOption(QStringList& arguments);

    // The backup before the command changes anything, unless --no-backup was given.
    void before(store::Database& db, const char* command) const;

private:
    bool m_skipped;
};
