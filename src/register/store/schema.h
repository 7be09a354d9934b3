#pragma once

#include <QStringList>

namespace store {

// The statements that create the nine tables of a data folder, fields in their places.
QStringList createTableStatements();

// The statements that create the tables added beside the nine after the first data folders were
// made, each only where it is missing: a new data folder gets them at once, an older one when it
// is opened. A backup need not hold them.
QStringList addedTableStatements();

}  // namespace store
