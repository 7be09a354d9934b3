#include "cli/drawing.h"
#include "cli/subcommand.h"

std::vector<Subcommand> mapSubcommands() {
    return {
        {"map",
         {positional("FILE.png|FILE.pdf"), option("--size", "WxH"), option("--status", "MODE,..."),
          option("--group", "A|B|W"), option("--area", "LON1,LAT1,LON2,LAT2")},
         "write the map of the islands as PNG or PDF, each group where its box lies in the colour of its status",
         drawing::map},
    };
}
