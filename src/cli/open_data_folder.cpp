#include "cli/open_data_folder.h"

#include "base/paths.h"
#include "register/delivered_data.h"

OpenDataFolder::OpenDataFolder()
    : database(Paths::current().dataFolder()), table(database), start(readStartState(table)) {
    removeAbandonedBuildFolders(database.path());
}
