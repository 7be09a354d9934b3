#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "cli/cli.h"

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runCli(application.arguments().mid(1), out, err);
}
