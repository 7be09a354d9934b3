#pragma once

#include <QByteArray>

#include "register/start_state.h"
#include "register/store/database.h"
#include "support/data_folder.h"

namespace fuzz {

// The one data folder that the readers writing tables share, made once: the small delivered
// folder of the tests with worked, claimed, approved, deleted and grouped records in every
// island table. Its connection turns every commit into a rollback, so each batch command runs in
// its own write transaction as it does for the user, and each input still starts from the same
// tables: a folder made per input would allow about a hundred inputs a second.
class FuzzStore {
public:
    static FuzzStore& instance();

    store::Database& database() { return m_database; }
    const StartCounts& startCounts() const { return m_counts; }

    // Every row of every table, to check that inputs leave no trace.
    QByteArray contents();

private:
    FuzzStore();

    TestDataFolder m_folder;
    store::Database m_database;
    StartCounts m_counts{};
};

}  // namespace fuzz
