#pragma once

#include "register/start_state.h"
#include "register/store/database.h"
#include "register/store/table.h"

// The data folder ./Data of the working folder opened as the program opens it at start: the
// connection, the table handle, and the start counts and owner values read through it.
struct OpenDataFolder {
    OpenDataFolder();

    store::Database database;
    store::Table table;
    StartState start;
};
