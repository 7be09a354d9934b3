#pragma once

#include <QStringList>
#include <optional>
#include <utility>

#include "backup/backups.h"

// The backup before a batch subcommand, and "--no-backup" that skips it.
class BackupOption {
public:
    // Takes "--no-backup" out of the subcommand's arguments.
    explicit BackupOption(QStringList& arguments);

    // The backup before the command changes anything, unless --no-backup was given.
    std::optional<backup::Backup> before(store::Database& db, const char* command) const;

    // The backup, then the command's writing; a failure after records were written names the way back.
    template <typename Write>
    auto run(store::Database& db, const char* command, Write&& write) const {
        return backup::writeAfterBackup(db, before(db, command), std::forward<Write>(write));
    }

private:
    bool m_skipped;
};
