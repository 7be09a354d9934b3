#include <QTextStream>
#include <memory>

#include "cli/cli.h"
#include "cli/drawing.h"

int main(int argc, char* argv[]) {
    const std::unique_ptr<QCoreApplication> app = drawing::application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runCli(app->arguments().mid(1), out, err);
}
