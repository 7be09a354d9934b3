#include "cli/cli.h"

#include "base/failure.h"
#include "base/version.h"
#include "cli/subcommand.h"

namespace {

std::vector<Subcommand> allSubcommands() {
    std::vector<Subcommand> all;
    for (auto&& part : {dataFolderSubcommands(), exchangeSubcommands(), logImportSubcommands(), listUpdateSubcommands(),
                        reportSubcommands(), backupSubcommands(), clusterSubcommands(), mapSubcommands()})
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

QString usageText(const Subcommand& command) {
    return QStringLiteral("usage: skerrydesk-cli ") + usageLine(command.name, command.parameters);
}

void printHelp(const std::vector<Subcommand>& subcommands, QTextStream& out) {
    out << "usage: skerrydesk-cli SUBCOMMAND [ARGUMENTS]\n"
           "Works on the data folder ./Data of the working folder.\n\nSubcommands:\n";
    for (const Subcommand& command : subcommands)
        out << "  " << usageLine(command.name, command.parameters).leftJustified(34) << ' ' << command.summary << '\n';
    out << "\nskerrydesk-cli SUBCOMMAND --help shows the usage of one subcommand, --version the version.\n";
}

bool isHelpOption(const QString& argument) {
    return argument == QLatin1String("--help") || argument == QLatin1String("-h");
}

// A subcommand's own help: its usage line, then what it does.
void printSubcommandHelp(const Subcommand& command, QTextStream& out) {
    out << usageText(command) << "\n\n" << command.summary << '\n';
}

int run(const Subcommand& command, const QStringList& arguments, QTextStream& out, QTextStream& err) {
    try {
        command.run(Arguments(command.parameters, arguments), out);
        return 0;
    } catch (const UsageError& usage) {
        err << usageText(command) << '\n';
        if (!usage.detail.isEmpty()) err << usage.detail << '\n';
        return 2;
    } catch (const Failure& failure) {
        err << "skerrydesk-cli: " << failure.message() << '\n';
    } catch (const std::exception& failure) {
        err << "skerrydesk-cli: " << failure.what() << '\n';
    }
    return 1;
}

}  // namespace

int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const std::vector<Subcommand> subcommands = allSubcommands();
    if (arguments.isEmpty()) {
        printHelp(subcommands, err);
        return 2;
    }
    if (isHelpOption(arguments.first())) {
        printHelp(subcommands, out);
        return 0;
    }
    if (arguments == QStringList{QStringLiteral("--version")}) {
        out << "skerrydesk-cli " << kProgramVersion << '\n';
        return 0;
    }
    for (const Subcommand& command : subcommands) {
        if (arguments.first() != QLatin1String(command.name)) continue;
        if (arguments.size() == 2 && isHelpOption(arguments[1])) {
            printSubcommandHelp(command, out);
            return 0;
        }
        return run(command, arguments.mid(1), out, err);
    }
    err << "skerrydesk-cli: unknown subcommand \"" << arguments.first() << "\"; see skerrydesk-cli --help\n";
    return 2;
}
