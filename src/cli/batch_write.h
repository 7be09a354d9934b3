#pragma once

#include <optional>
#include <utility>

#include "backup/backups.h"
#include "cli/command_line.h"
#include "cli/open_data_folder.h"

// The options of the subcommands that write the tables.
constexpr Parameter kNoBackup = option("--no-backup");
constexpr Parameter kDryRun = option("--dry-run");

// How a subcommand writes the tables: after a backup unless --no-backup, and with --dry-run,
// where the subcommand lists it, not at all. The data folder is let go once the writing is done,
// so that what the subcommand reports next is stored.
class BatchWrite {
public:
    BatchWrite(const Arguments& arguments, const char* command);

    // The backup, then the command's writing; a failure after records were written names the way back.
    template <typename Write>
    auto write(OpenDataFolder& folder, Write&& write) const {
        auto result = backup::writeAfterBackup(folder.database, before(folder.database), std::forward<Write>(write));
        folder.database.close();
        return result;
    }

    // A planned change, written as `write` writes, unless --dry-run only shows it: the caller
    // prints the plan after this, once it is stored.
    template <typename Apply>
    void applyPlan(OpenDataFolder& folder, Apply&& apply) const {
        if (!m_dryRun) backup::writeAfterBackup(folder.database, before(folder.database), std::forward<Apply>(apply));
        folder.database.close();
    }

private:
    std::optional<backup::Backup> before(store::Database& db) const;

    const char* m_command;
    bool m_backedUp;
    bool m_dryRun;
};
