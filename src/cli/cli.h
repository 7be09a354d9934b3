#pragma once

#include <QStringList>
#include <QTextStream>

// The companion command line: runs one subcommand on ./Data of the working folder and returns
// the exit code (0 done, 1 failed with one line on the error stream, 2 usage error).
int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err);
