#pragma once

#include <string>
#include <vector>

// What one run of a program as a child process gave.
struct ChildRun {
    int exitCode = -1;  // -1 when it did not exit normally
    double peakMib = 0;
    double wallSeconds = 0;
};

// Runs a program (words[0], a path) in a working folder, its output and errors into the named
// files, and waits for it. The wall time runs from just before the spawn to the reaping; the peak
// resident memory is the rusage wait4 returns, the larger of the child's own peak and this
// process's size at the spawn.
ChildRun runChild(const std::vector<std::string>& words, const std::string& workingFolder, const std::string& outFile,
                  const std::string& errFile);
