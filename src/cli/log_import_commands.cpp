#include <QDir>

#include "base/text_file.h"
#include "cli/batch_write.h"
#include "cli/open_data_folder.h"
#include "cli/subcommand.h"
#include "logimport/adif_import.h"
#include "logimport/csv_import.h"
#include "logimport/upf_import.h"

namespace {

struct NamedMode {
    const char* name;
    ImportMode mode;
};

constexpr NamedMode kModes[] = {{"worked", ImportMode::Worked}, {"claim", ImportMode::Claim}};

ImportMode modeNamed(const QString& name) {
    for (const NamedMode& mode : kModes)
        if (name == QLatin1String(mode.name)) return mode.mode;
    throw UsageError{};
}

// Reads the log file whole, then writes its records after the backup and says how many.
template <typename Import>
void importRecords(const Arguments& arguments, const char* command, QTextStream& out, Import&& import) {
    const TextLines lines = readTextLines(arguments[0]);
    OpenDataFolder folder;
    const int written = BatchWrite(arguments, command).write(folder, [&] { return import(folder, lines); });
    out << written << " records written from " << QDir::toNativeSeparators(arguments[0]) << '\n';
}

void importUpfFile(const Arguments& arguments, QTextStream& out) {
    const ImportMode mode = modeNamed(*arguments.value("--mode"));
    importRecords(arguments, "import-upf", out, [&](OpenDataFolder& folder, const TextLines& lines) {
        return importUpf(folder.database, folder.table, lines, mode);
    });
}

void importCsvFile(const Arguments& arguments, QTextStream& out) {
    importRecords(arguments, "import-csv", out, [](OpenDataFolder& folder, const TextLines& lines) {
        return importCsv(folder.database, folder.table, lines, folder.start.counts);
    });
}

ConfirmationSources confirmationSources(const Arguments& arguments) {
    const std::optional<QString> names = arguments.value("--confirmed-by");
    if (!names) return defaultConfirmationSources();
    const std::optional<ConfirmationSources> sources = confirmationSourcesNamed(*names);
    if (!sources) throw UsageError{};
    return *sources;
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

void importAdifFile(const Arguments& arguments, QTextStream& out) {
    const ConfirmationSources sources = confirmationSources(arguments);
    OpenDataFolder folder;
    const IslandRecordStates records = readIslandRecordStates(folder.table);
    const AdifLog log = readAdifLog(arguments[0], records);
    printLogNotes(log);
    const AdifPlan plan = planAdifImport(log, records, sources);
    BatchWrite(arguments, "import-adif").applyPlan(folder, [&] { applyAdifPlan(folder.database, folder.table, plan); });
    printPlan(plan, out);
}

}  // namespace

std::vector<Subcommand> logImportSubcommands() {
    return {
        {"import-upf",
         {positional("FILE"), requiredOption("--mode", "worked|claim"), kNoBackup},
         "import worked or claimed references from a log's UPF file",
         importUpfFile},
        {"import-csv",
         {positional("FILE"), kNoBackup},
         "set calls and statuses from a CSV file of confirmed contacts",
         importCsvFile},
        {"import-adif",
         {positional("FILE"), option("--confirmed-by", "card,lotw,eqsl"), kDryRun, kNoBackup},
         "raise statuses from an ADIF log, showing every change (--dry-run: only show)",
         importAdifFile},
    };
}
