#pragma once

#include <optional>

// The program's own options, answered on standard output without opening a window:
// "--version", and "--help", which also names the help file and the QSL picture folder the
// program would use. Returns the exit code when the command line is one of them; any other
// command line is left to the toolkit and the window.
std::optional<int> answerProgramOptions(int argc, char* argv[]);
