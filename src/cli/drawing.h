#pragma once

#include <QCoreApplication>
#include <QTextStream>
#include <memory>

#include "cli/command_line.h"

// The runs that draw (pages as PDF, the map: Qt Gui) or fetch (an update by HTTP, a cluster node:
// Qt Network). skerrydesk-cli starts on Qt Core and SQLite alone, so a text subcommand starts as
// fast as a bare Qt program; its build of these runs hands the whole command line over to
// skerrydesk-cli-draw (drawing_handover.cpp), which is built from the same files and the same
// table of subcommands and the runs themselves (src/cli/drawing/).
namespace drawing {

// The application object: a core one, or a GUI one on the offscreen platform when the command
// line draws. Called once, first thing, with main's arguments.
std::unique_ptr<QCoreApplication> application(int& argc, char* argv[]);

void map(const Arguments& arguments, QTextStream& out);
void updateFromUrl(const Arguments& arguments, QTextStream& out);
void spots(const Arguments& arguments, QTextStream& out);

// The report subcommands given --pdf: the lines printed, the pages written.
void printSummary(const Arguments& arguments, QTextStream& out);
void wantList(const Arguments& arguments, QTextStream& out);
void islandList(const Arguments& arguments, QTextStream& out);

}  // namespace drawing
