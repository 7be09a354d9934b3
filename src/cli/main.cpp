#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>

#include "cli/cli.h"

namespace {

// Qt's own notes (a missing runtime folder and the like) are no business of the user's: the
// companion reports a failure as its one line on the error stream.
void dropQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(message));
}

// Writing a PDF or drawing the map lays text out with the installed fonts, which takes a GUI
// application; it runs on the offscreen platform, so no display is needed. Everything else needs
// only the core.
std::unique_ptr<QCoreApplication> application(int& argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--pdf") != 0 && !(i == 1 && qstrcmp(argv[i], "map") == 0)) continue;
        qInstallMessageHandler(dropQtNotes);
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::unique_ptr<QCoreApplication> app = application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runCli(app->arguments().mid(1), out, err);
}
