#pragma once

#include <optional>

#include "base/clock.h"

namespace store {
class Database;
}

namespace backup {

// Edit Mode left with records written is backed up as "edit-mode": the records kept by hand in
// that session become a restore point of their own, as every batch command's result does with
// the backup before the next one.
class EditModeBackup {
public:
    // Follows each switch of Edit Mode: switched on, it notes how many rows the connection has
    // written; switched off, it makes the backup when rows were written since.
    void follow(bool editing, store::Database& db, const Clock& clock);

private:
    std::optional<long long> m_writtenAtStart;
};

}  // namespace backup
