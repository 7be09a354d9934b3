#include "cli/cli.h"

#include <QDir>
#include <functional>

#include "app/failure.h"
#include "register/delivered_data.h"
#include "register/iota_list.h"

namespace {

struct UsageError {
    QString message;
};

struct Subcommand {
    const char* name;
    const char* usage;
    const char* summary;
    std::function<void(const QStringList& arguments, QTextStream& out)> run;
};

void requireArgumentCount(const QStringList& arguments, int count, const char* usage) {
    if (arguments.size() != count)
        throw UsageError{QStringLiteral("usage: skerrydesk-cli %1").arg(QLatin1String(usage))};
}

void init(const QStringList& arguments, QTextStream& out) {
    requireArgumentCount(arguments, 0, "init");
    const std::vector<ListedIsland> islands = readIotaTable(QLatin1String(kDebianIotaList));
    if (islands.empty())
        throw Failure(QStringLiteral("%1 lists no island references; reinstall the package cqrlog-data")
                          .arg(QLatin1String(kDebianIotaList)));
    createDeliveredDataFolder(QDir::currentPath(), islands);
    out << "Created " << QDir::toNativeSeparators(QDir::current().filePath(QStringLiteral("Data"))) << " with "
        << islands.size() << " listed references\n";
}

const std::vector<Subcommand>& subcommands() {
    static const std::vector<Subcommand> all{
        {"init", "init", "create ./Data with the delivered tables from Debian's IOTA list", init},
    };
    return all;
}

void printHelp(QTextStream& out) {
    out << "usage: skerrydesk-cli SUBCOMMAND [ARGUMENTS]\n"
           "Works on the data folder ./Data of the working folder.\n\nSubcommands:\n";
    for (const Subcommand& command : subcommands())
        out << "  " << QString::fromLatin1(command.usage).leftJustified(30) << ' ' << command.summary << '\n';
}

}  // namespace

int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.isEmpty() || arguments.first() == QLatin1String("--help") ||
        arguments.first() == QLatin1String("-h")) {
        printHelp(arguments.isEmpty() ? err : out);
        return arguments.isEmpty() ? 2 : 0;
    }
    for (const Subcommand& command : subcommands()) {
        if (arguments.first() != QLatin1String(command.name)) continue;
        try {
            command.run(arguments.mid(1), out);
            return 0;
        } catch (const UsageError& usage) {
            err << usage.message << '\n';
            return 2;
        } catch (const Failure& failure) {
            err << "skerrydesk-cli: " << failure.message() << '\n';
            return 1;
        } catch (const std::exception& failure) {
            err << "skerrydesk-cli: " << failure.what() << '\n';
            return 1;
        }
    }
    err << "skerrydesk-cli: unknown subcommand \"" << arguments.first() << "\"; see skerrydesk-cli --help\n";
    return 2;
}
