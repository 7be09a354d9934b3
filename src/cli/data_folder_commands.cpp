#include <QDir>

#include "base/failure.h"
#include "base/text_file.h"
#include "cli/subcommand.h"
#include "listupdate/iota_json_folder.h"
#include "listupdate/iota_json_list.h"
#include "listupdate/listed_islands.h"
#include "register/delivered_data.h"

namespace {

constexpr const char* kInitUsage = "init [--list FILE]";

int initFromUpdateText(const QString& fileName) {
    const TextLines lines = readTextLines(fileName);
    if (listedIslands(lines).empty())
        throw Failure(QStringLiteral("%1 lists no island references; nothing was created")
                          .arg(QDir::toNativeSeparators(fileName)));
    return createDataFolderFromUpdate(QDir::currentPath(), lines);
}

// The programme's JSON list or an island list update text, told apart by their first character.
int initFromList(const QString& fileName) {
    requireRegularFile(fileName);
    if (looksLikeJson(fileName))
        return createDataFolderFromIotaList(QDir::currentPath(), readIotaJsonList(fileName), fileName);
    return initFromUpdateText(fileName);
}

void init(const QStringList& arguments, QTextStream& out) {
    const bool fromList = arguments.size() == 2 && arguments[0] == QLatin1String("--list");
    if (!arguments.isEmpty() && !fromList)
        throw UsageError{QStringLiteral("usage: skerrydesk-cli %1").arg(QLatin1String(kInitUsage))};
    const int listed = fromList ? initFromList(arguments[1]) : createDataFolderFromDebianList(QDir::currentPath());
    out << "Created " << QDir::toNativeSeparators(QDir::current().filePath(QStringLiteral("Data"))) << " with "
        << listed << " listed references\n";
}

}  // namespace

std::vector<Subcommand> dataFolderSubcommands() {
    return {
        {"init", kInitUsage,
         "create ./Data with the delivered tables from Debian's IOTA list and the delivered groups, or from an update "
         "text or the award programme's JSON list",
         init},
    };
}
