#include <QDir>
#include <chrono>

#include "app/text_file.h"
#include "cli/open_data_folder.h"
#include "cli/subcommand.h"
#include "listupdate/http_client.h"
#include "listupdate/list_update.h"

namespace {

// Nobody can press Stop on the command line: a server that stays silent this long ends the GET.
constexpr std::chrono::seconds kSilenceLimit{60};

void applyLines(OpenDataFolder& folder, const QStringList& lines, QTextStream& out) {
    const KindLinesResult result = applyListUpdate(folder.database, folder.table, lines, folder.start.counts);
    folder.database.close();
    out << result.islandLines << " island lines and " << result.groupLines << " group lines applied, "
        << result.passedOver << " passed over\n";
}

void updateFromFile(const QStringList& arguments, QTextStream& out) {
    requireArgumentCount(arguments, 1, "update FILE");
    const QStringList lines = readTextLines(arguments[0]);
    OpenDataFolder folder;
    applyLines(folder, lines, out);
}

void updateFromUrl(const QStringList& arguments, QTextStream& out) {
    requireArgumentCount(arguments, 1, "update-url URL");
    OpenDataFolder folder;
    QtHttpClient client(kSilenceLimit);
    applyLines(folder, splitLines(client.get(arguments[0])), out);
}

}  // namespace

std::vector<Subcommand> listUpdateSubcommands() {
    return {
        {"update", "update FILE", "apply an island list update text from a file", updateFromFile},
        {"update-url", "update-url URL", "fetch an island list update text by HTTP GET and apply it", updateFromUrl},
    };
}
