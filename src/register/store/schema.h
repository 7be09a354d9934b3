#pragma once

#include <QStringList>

namespace store {

// The statements that create the nine tables of a data folder, fields in their places.
QStringList createTableStatements();

}  // namespace store
