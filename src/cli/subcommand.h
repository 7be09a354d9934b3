#pragma once

#include <QStringList>
#include <QTextStream>
#include <functional>
#include <vector>

// A wrong command line: exit code 2 with the usage text.
struct UsageError {
    QString message;
};

// One subcommand of skerrydesk-cli. Each subsystem lists its own in a `*_commands.cpp` file.
struct Subcommand {
    const char* name;
    const char* usage;
    const char* summary;
    std::function<void(const QStringList& arguments, QTextStream& out)> run;
};

// Fails with the usage text unless exactly `count` arguments follow the subcommand.
void requireArgumentCount(const QStringList& arguments, int count, const char* usage);

// The subcommands of each subsystem.
std::vector<Subcommand> dataFolderSubcommands();
std::vector<Subcommand> exchangeSubcommands();
std::vector<Subcommand> logImportSubcommands();
std::vector<Subcommand> listUpdateSubcommands();
std::vector<Subcommand> reportSubcommands();
std::vector<Subcommand> backupSubcommands();
std::vector<Subcommand> clusterSubcommands();
std::vector<Subcommand> mapSubcommands();
