// skerrydesk-cli's build of the drawing and fetching runs: each hands the command line, as it
// came, to skerrydesk-cli-draw in the same process (exec), before anything of the data folder is
// opened, so the output, the exit status and the lock are that program's alone.
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

#include "base/failure.h"
#include "cli/drawing.h"

namespace {

char** gArguments = nullptr;

// Beside skerrydesk-cli in the build folder; installed, below the libexec folder.
QString drawingProgram() {
    const QDir here(QCoreApplication::applicationDirPath());
    const QString beside = here.filePath(QStringLiteral("skerrydesk-cli-draw"));
    if (QFileInfo(beside).isExecutable()) return beside;
    return QDir::cleanPath(here.filePath(QStringLiteral("../libexec/skerrydesk/skerrydesk-cli-draw")));
}

[[noreturn]] void handOver(QTextStream& out) {
    out.flush();
    const QByteArray program = QFile::encodeName(drawingProgram());
    gArguments[0] = const_cast<char*>(program.constData());
    execv(program.constData(), gArguments);
    throw Failure(QStringLiteral("cannot start %1 (%2), which draws and fetches for skerrydesk-cli: reinstall "
                                 "Skerrydesk")
                      .arg(QFile::decodeName(program), QString::fromLocal8Bit(strerror(errno))));
}

}  // namespace

namespace drawing {

std::unique_ptr<QCoreApplication> application(int& argc, char* argv[]) {
    gArguments = argv;
    return std::make_unique<QCoreApplication>(argc, argv);
}

void map(const Arguments&, QTextStream& out) {
    handOver(out);
}
void updateFromUrl(const Arguments&, QTextStream& out) {
    handOver(out);
}
void spots(const Arguments&, QTextStream& out) {
    handOver(out);
}
void printSummary(const Arguments&, QTextStream& out) {
    handOver(out);
}
void wantList(const Arguments&, QTextStream& out) {
    handOver(out);
}
void islandList(const Arguments&, QTextStream& out) {
    handOver(out);
}

}  // namespace drawing
