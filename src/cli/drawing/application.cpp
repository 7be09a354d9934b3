#include <QGuiApplication>
#include <cstdio>

#include "cli/drawing.h"

namespace {

// Qt's own notes (a missing runtime folder and the like) are no business of the user's: the
// companion reports a failure as its one line on the error stream.
void dropQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

namespace drawing {

// Writing a PDF or drawing the map lays text out with the installed fonts, which takes a GUI
// application; it runs on the offscreen platform, so no display is needed. Fetching needs only
// the core.
std::unique_ptr<QCoreApplication> application(int& argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--pdf") != 0 && !(i == 1 && qstrcmp(argv[i], "map") == 0)) continue;
        qInstallMessageHandler(dropQtNotes);
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

}  // namespace drawing
