#include "app/command_line.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <cstdio>

#include "base/paths.h"
#include "base/version.h"
#include "register/cards/qsl_card_files.h"
#include "window/application_title.h"

namespace {

void printVersion(QTextStream& out) {
    out << "skerrydesk " << kProgramVersion << '\n';
}

void printHelp(QTextStream& out) {
    const Paths paths = Paths::current();
    out << "usage: skerrydesk [--version | --help]\n"
           "Opens the Skerrydesk window on the data folder ./Data of the working folder\n"
           "(skerrydesk-cli init creates it).\n\n"
        << "Help file:          " << QDir::toNativeSeparators(paths.programFile(kHelpFileName)) << '\n'
        << "QSL card pictures:  " << QDir::toNativeSeparators(paths.writableBesideProgram(kQslPictureFolder)) << '\n';
}

struct Option {
    const char* name;
    void (*answer)(QTextStream& out);
};

constexpr Option kOptions[] = {{"--version", printVersion}, {"--help", printHelp}, {"-h", printHelp}};

}  // namespace

std::optional<int> answerProgramOptions(int argc, char* argv[]) {
    if (argc != 2) return std::nullopt;
    for (const Option& option : kOptions) {
        if (qstrcmp(argv[1], option.name) != 0) continue;
        // The program's folder and the user's data folder are known to an application object.
        QCoreApplication application(argc, argv);
        QCoreApplication::setApplicationName(kApplicationTitle);
        QTextStream out(stdout);
        option.answer(out);
        return 0;
    }
    return std::nullopt;
}
