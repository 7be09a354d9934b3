#include <chrono>

#include "base/failure.h"
#include "base/text_file.h"
#include "cli/batch_write.h"
#include "cli/open_data_folder.h"
#include "cli/subcommand.h"
#include "listupdate/http_client.h"
#include "listupdate/iota_json_list.h"
#include "listupdate/iota_json_update.h"
#include "listupdate/list_update.h"
#include "listupdate/listed_islands.h"

namespace {

// Nobody can press Stop on the command line: a download not done by then is broken off.
constexpr int kDefaultTimeoutSeconds = 120;

void applyLines(const BatchWrite& batch, const TextLines& lines, QTextStream& out) {
    OpenDataFolder folder;
    const KindLinesResult result =
        batch.write(folder, [&] { return applyListUpdate(folder.database, folder.table, lines, folder.start.counts); });
    out << result.islandLines << " island lines and " << result.groupLines << " group lines applied, "
        << result.passedOver << " passed over\n";
}

// What a fetched answer without island lines is, for the message that refuses it.
QString whatTheAnswerIs(const QString& text) {
    if (text.trimmed().isEmpty()) return QStringLiteral("it is empty");
    // Decoded as UTF-8 or Windows-1252, a text in UTF-16 or UTF-32 is full of NUL characters.
    if (text.contains(QChar(u'\0')))
        return QStringLiteral("it is not a text in UTF-8 or Windows-1252 (UTF-16, perhaps) or no text at all");
    if (text.contains(QLatin1String("<html"), Qt::CaseInsensitive)) return QStringLiteral("it is an HTML page");
    return QStringLiteral("none of its lines is an island line");
}

// The lines of a fetched update text; an answer that lists no island is refused, as `init --list`
// refuses such a text, so that a wrong address cannot pass for an update.
TextLines updateLines(const QString& address, const QString& text) {
    TextLines lines = TextLines::ofText(text);
    if (listedIslands(lines).empty())
        throw Failure(QStringLiteral("The answer from %1 is no island list update text: %2; nothing was changed")
                          .arg(address, whatTheAnswerIs(text)));
    return lines;
}

void updateFromFile(const Arguments& arguments, QTextStream& out) {
    applyLines(BatchWrite(arguments, "update"), readTextLines(arguments[0]), out);
}

// Fetches before taking the data folder, so that a slow server never keeps the window out.
void updateFromUrl(const Arguments& arguments, QTextStream& out) {
    const BatchWrite batch(arguments, "update-url");
    QtHttpClient client(std::chrono::seconds(arguments.wholeNumber("--timeout").value_or(kDefaultTimeoutSeconds)));
    applyLines(batch, updateLines(arguments[0], client.get(arguments[0])), out);
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
         updateFromUrl},
        {"import-list",
         {positional("FILE"), kDryRun, kNoBackup},
         "apply the award programme's JSON island list and rarity (or only print it)",
         importList},
    };
}
