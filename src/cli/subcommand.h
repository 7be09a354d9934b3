#pragma once

#include <QTextStream>
#include <functional>
#include <vector>

#include "cli/command_line.h"

// One subcommand of skerrydesk-cli. Each subsystem lists its own in a `*_commands.cpp` file. Its
// command line is read against `parameters` before `run` is called.
struct Subcommand {
    const char* name;
    Parameters parameters;
    const char* summary;
    std::function<void(const Arguments& arguments, QTextStream& out)> run;
};

// The subcommands of each subsystem.
std::vector<Subcommand> dataFolderSubcommands();
std::vector<Subcommand> exchangeSubcommands();
std::vector<Subcommand> logImportSubcommands();
std::vector<Subcommand> listUpdateSubcommands();
std::vector<Subcommand> reportSubcommands();
std::vector<Subcommand> backupSubcommands();
std::vector<Subcommand> clusterSubcommands();
std::vector<Subcommand> mapSubcommands();
