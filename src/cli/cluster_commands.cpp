#include "cli/drawing.h"
#include "cli/subcommand.h"

std::vector<Subcommand> clusterSubcommands() {
    return {
        {"spots",
         {positional("HOST:PORT"), option("--needed"), orOption("--needed-worked"), numberOption("--count", "N"),
          numberOption("--timeout", "SECONDS")},
         "log in to a DX cluster node with the owner's callsign and print the spots naming an island reference, "
         "tab-separated, until N of them or the time-out",
         drawing::spots},
    };
}
