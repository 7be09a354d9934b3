#include <QDir>

#include "base/text_file.h"
#include "cli/backup_option.h"
#include "cli/open_data_folder.h"
#include "cli/subcommand.h"
#include "logimport/adif_import.h"
#include "logimport/csv_import.h"
#include "logimport/upf_import.h"

namespace {

constexpr const char* kImportUpfUsage = "import-upf FILE --mode worked|claim";

struct NamedMode {
    const char* name;
    ImportMode mode;
};

constexpr NamedMode kModes[] = {{"worked", ImportMode::Worked}, {"claim", ImportMode::Claim}};

UsageError upfUsage() {
    return UsageError{QStringLiteral("usage: skerrydesk-cli %1").arg(QLatin1String(kImportUpfUsage))};
}

ImportMode modeNamed(const QString& name) {
    for (const NamedMode& mode : kModes)
        if (name == QLatin1String(mode.name)) return mode.mode;
    throw upfUsage();
}

// The file and the mode, the option before or after the file.
std::pair<QString, ImportMode> upfArguments(const QStringList& arguments) {
    requireArgumentCount(arguments, 3, kImportUpfUsage);
    const qsizetype option = arguments.indexOf(QStringLiteral("--mode"));
    if (option != 0 && option != 1) throw upfUsage();
    return {arguments[option == 0 ? 2 : 0], modeNamed(arguments[option + 1])};
}

void importUpfFile(QStringList arguments, QTextStream& out) {
    const BackupOption backup(arguments);
    const auto [fileName, mode] = upfArguments(arguments);
    const TextLines lines = readTextLines(fileName);
    OpenDataFolder folder;
    const int written = backup.run(folder.database, "import-upf",
                                   [&] { return importUpf(folder.database, folder.table, lines, mode); });
    folder.database.close();
    out << written << " records written from " << QDir::toNativeSeparators(fileName) << '\n';
}

void importCsvFile(QStringList arguments, QTextStream& out) {
    const BackupOption backup(arguments);
    requireArgumentCount(arguments, 1, "import-csv FILE");
    const TextLines lines = readTextLines(arguments[0]);
    OpenDataFolder folder;
    const int written = backup.run(folder.database, "import-csv", [&] {
        return importCsv(folder.database, folder.table, lines, folder.start.counts);
    });
    folder.database.close();
    out << written << " records written from " << QDir::toNativeSeparators(arguments[0]) << '\n';
}

constexpr const char* kImportAdifUsage = "import-adif FILE [--confirmed-by card,lotw,eqsl] [--dry-run] [--no-backup]";

struct AdifArguments {
    QString fileName;
    ConfirmationSources sources = defaultConfirmationSources();
    bool dryRun = false;
};

UsageError adifUsage() {
    return UsageError{QStringLiteral("usage: skerrydesk-cli %1").arg(QLatin1String(kImportAdifUsage))};
}

// The file and the options, in any order.
AdifArguments adifArguments(const QStringList& arguments) {
    AdifArguments parsed;
    bool haveFile = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--dry-run")) {
            parsed.dryRun = true;
        } else if (arguments[i] == QLatin1String("--confirmed-by") && i + 1 < arguments.size()) {
            const std::optional<ConfirmationSources> sources = confirmationSourcesNamed(arguments[++i]);
            if (!sources) throw adifUsage();
            parsed.sources = *sources;
        } else if (!arguments[i].startsWith(QLatin1String("--")) && !haveFile) {
            parsed.fileName = arguments[i];
            haveFile = true;
        } else {
            throw adifUsage();
        }
    }
    if (!haveFile) throw adifUsage();
    return parsed;
}

// Prints the records that change, one a line "ref TAB before TAB after TAB call", and the counts.
void printPlan(const AdifPlan& plan, QTextStream& out) {
    for (const PlannedChange& change : plan.changes)
        out << change.reference << '\t' << change.before << '\t' << change.after << '\t' << change.call << '\n';
    out << planCounts(plan) << '\n';
}

// What the user should know of the log beside its changes: its origin and the QSOs skipped.
void printLogNotes(const AdifLog& log) {
    QTextStream err(stderr);
    if (const QString origin = logOriginText(log.origin); !origin.isEmpty()) err << origin << '\n';
    for (const QString& line : skipCountLines(log)) err << line << '\n';
}

void importAdifFile(const QStringList& arguments, QTextStream& out) {
    QStringList rest = arguments;
    const BackupOption backup(rest);
    const AdifArguments parsed = adifArguments(rest);
    OpenDataFolder folder;
    const IslandRecordStates records = readIslandRecordStates(folder.table);
    const AdifLog log = readAdifLog(parsed.fileName, records);
    printLogNotes(log);
    const AdifPlan plan = planAdifImport(log, records, parsed.sources);
    if (!parsed.dryRun)
        backup.run(folder.database, "import-adif", [&] { applyAdifPlan(folder.database, folder.table, plan); });
    folder.database.close();
    printPlan(plan, out);
}

}  // namespace

std::vector<Subcommand> logImportSubcommands() {
    return {
        {"import-upf", "import-upf FILE --mode worked|claim [--no-backup]",
         "import worked or claimed references from a log's UPF file", importUpfFile},
        {"import-csv", "import-csv FILE [--no-backup]", "set calls and statuses from a CSV file of confirmed contacts",
         importCsvFile},
        {"import-adif", kImportAdifUsage,
         "raise statuses from an ADIF log, showing every change (--dry-run: only show)", importAdifFile},
    };
}
