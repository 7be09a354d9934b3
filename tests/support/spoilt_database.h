#pragma once

#include <QString>
#include <functional>
#include <vector>

// The ways the database file of a data folder is found lost: zeroed, random bytes, empty or
// missing, with the words that begin every command's refusal of it.
struct SpoiltDatabase {
    const char* name;
    std::function<void(const QString& databaseFile)> spoil;
    const char* refusal;
    bool missing = false;  // no file is left to keep aside
};

std::vector<SpoiltDatabase> spoiltDatabases();

// The spoilt files a restore moved aside in a data folder, by name.
QStringList movedAsideFiles(const QString& dataFolder);
