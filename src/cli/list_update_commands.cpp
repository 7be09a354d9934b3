#include "base/failure.h"
#include "base/text_file.h"
#include "cli/batch_write.h"
#include "cli/drawing.h"
#include "cli/open_data_folder.h"
#include "cli/subcommand.h"
#include "cli/update_lines.h"
#include "listupdate/iota_json_list.h"
#include "listupdate/iota_json_update.h"
#include "listupdate/list_update.h"
#include "listupdate/listed_islands.h"

namespace {

void updateFromFile(const Arguments& arguments, QTextStream& out) {
    applyUpdateLines(BatchWrite(arguments, "update"), readTextLines(arguments[0]), out);
}

void printFieldChanges(const IotaRecordChange& change, QTextStream& out) {
    for (const IotaFieldChange& field : fieldChanges(change))
        out << change.reference << '\t' << field.field << '\t' << field.before << '\t' << field.after << '\n';
}

// The records a complete list does not name follow the listed ones: a deleted one by its changed
// fields, a kept one by a line that says so.
void printPlan(const IotaListPlan& plan, QTextStream& out) {
    for (const IotaRecordChange& change : plan.changes) printFieldChanges(change, out);
    for (const IotaRecordChange& change : plan.absent) {
        if (change.changes())
            printFieldChanges(change, out);
        else
            out << change.reference << '\t' << absenceNote(change) << '\n';
    }
    out << plan.changed() << " changed, " << plan.unchanged << " unchanged, " << plan.unknown << " unknown";
    if (!plan.absent.empty()) out << ", " << plan.absent.size() << " not in the programme's list";
    out << '\n';
}

// The list is read whole before the data folder is taken; the changes are printed once they
// are stored (or, with --dry-run, instead of storing them).
void importList(const Arguments& arguments, QTextStream& out) {
    const IotaJsonList list = readIotaJsonList(arguments[0]);
    OpenDataFolder folder;
    const IotaListPlan plan = planIotaListUpdate(folder.table, list);
    BatchWrite(arguments, "import-list").applyPlan(folder, [&] {
        applyIotaListPlan(folder.database, folder.table, plan);
    });
    printPlan(plan, out);
}

}  // namespace

std::vector<Subcommand> listUpdateSubcommands() {
    return {
        {"update", {positional("FILE"), kNoBackup}, "apply an island list update text from a file", updateFromFile},
        {"update-url",
         {positional("URL"), numberOption("--timeout", "SECONDS"), kNoBackup},
         "fetch an island list update text by HTTP GET (120 s unless --timeout) and apply it",
         drawing::updateFromUrl},
        {"import-list",
         {positional("FILE"), kDryRun, kNoBackup},
         "apply the award programme's JSON island list and rarity (or only print it)",
         importList},
    };
}
